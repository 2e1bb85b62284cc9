#pragma once

// A header of the host's own whose path is also one of the library's.
struct HostWidget {};
