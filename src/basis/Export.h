#pragma once

// The component library is built with hidden visibility; what a host may use is marked.
#define DELVARO_EXPORT __attribute__((visibility("default")))
