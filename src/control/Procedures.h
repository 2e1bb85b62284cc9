#pragma once

namespace Procedures {

// Opens the nine database files through TheDatabase, in their fixed order.
void OuvrirFichiers();
// Releases every list, record and file and the connection, in their fixed order;
// TheClient is kept.
void FermerFichiers();

}  // namespace Procedures
