#pragma once

#include "basis/Export.h"

namespace Procedures {

// Opens the nine database files through TheDatabase, in their fixed order.
DELVARO_EXPORT void OuvrirFichiers();
// Releases every list, record and file and the connection, in their fixed order;
// TheClient is kept.
DELVARO_EXPORT void FermerFichiers();

}  // namespace Procedures
