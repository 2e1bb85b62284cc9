#pragma once

// The attributes of an aidant's CIVILAIDANT record that hold the sectorisation. The
// medical centre is not stored: it is the start of the antenna key.
namespace record {

inline constexpr long kSecteur = 31;
inline constexpr long kSousSecteur = 32;
inline constexpr long kQuartier = 33;
inline constexpr long kMoyenLoc = 34;
inline constexpr long kAntenneMedicale = 35;
inline constexpr long kSecteursAssocies = 43;

}  // namespace record
