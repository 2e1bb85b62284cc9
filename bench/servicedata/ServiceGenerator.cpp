#include "servicedata/ServiceGenerator.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "dba/DatabaseConnection.h"
#include "dba/Marks.h"
#include "dba/RecordJson.h"
#include "dba/Storage.h"

namespace servicedata {
namespace {

// Forty towns and twenty-five qualifiers: a thousand distinct pairs.
constexpr std::array<std::string_view, 40> kTowns = {
    "Amboise",         "Azay-le-Rideau", "Bléré",       "Chinon",        "Île-Bouchard",
    "Joué-lès-Tours",  "Langeais",       "Loches",      "Montbazon",     "Montlouis",
    "Château-Renault", "Châteaulin",     "Évreux",      "Étampes",       "Épernay",
    "Sablé",           "Vendôme",        "Blois",       "Orléans",       "Saumur",
    "Richelieu",       "Descartes",      "Ballan-Miré", "Saint-Avertin", "Fondettes",
    "Luynes",          "Vouvray",        "Rochecorbon", "Savonnières",   "Villandry",
    "Chenonceaux",     "Genillé",        "Ligueil",     "Preuilly",      "Yzeures",
    "Noyant",          "Sainte-Maure",   "Nouâtre",     "Pouzay",        "Crouzilles"};
constexpr std::array<std::string_view, 25> kQualifiers = {
    "Nord",        "Sud",         "Est",      "Ouest",   "Centre", "Haute-Ville", "Basse-Ville",
    "Rive gauche", "Rive droite", "Faubourg", "Plateau", "Vallée", "Coteaux",     "Prés",
    "Écluses",     "Gare",        "Église",   "Château", "Forêt",  "Étangs",      "Moulins",
    "Vignes",      "Îles",        "Hôpital",  "Marché"};
// Ten kinds of places and ten names: a hundred distinct sub-sectors per sector.
constexpr std::array<std::string_view, 10> kPlaceKinds = {
    "Hameau", "Lotissement", "Cité",     "Résidence", "Domaine",
    "Clos",   "Faubourg",    "Quartier", "Village",   "Écart"};
constexpr std::array<std::string_view, 10> kPlaceNames = {
    "des Érables", "du Pré",     "de la Source", "des Tilleuls", "Saint-Éloi",
    "des Côtes",   "du Château", "de l'Étang",   "Bellevue",     "des Hêtres"};
// Eight kinds of ways and twenty names: a hundred and sixty distinct districts.
constexpr std::array<std::string_view, 8> kWays = {"Rue",     "Avenue", "Place", "Allée",
                                                   "Impasse", "Chemin", "Quai",  "Boulevard"};
constexpr std::array<std::string_view, 20> kWayNames = {
    "des Acacias", "de l'Église", "du Moulin",    "des Écoles",  "Émile-Zola",
    "Jean-Jaurès", "de la Forêt", "des Pêcheurs", "du Marché",   "Victor-Hugo",
    "des Lilas",   "de la Gare",  "Pasteur",      "des Mûriers", "de l'Hôtel-Dieu",
    "du Château",  "Gambetta",    "des Prés",     "Sainte-Anne", "de la Rivière"};
constexpr std::array<std::string_view, 5> kCentreKinds = {"Hôpital", "Clinique", "Centre médical",
                                                          "Maison de santé", "Pôle santé"};
constexpr std::array<std::string_view, 40> kSurnames = {
    "DUPONT",   "MARTIN",  "LEFÈVRE",   "BÉRANGER", "GIRAUD",  "MOREAU",  "FAURÉ",     "ROUSSEL",
    "GÉRARD",   "BOUCHER", "CHÉRON",    "LEMAÎTRE", "DUCHÊNE", "PÉRIER",  "NOËL",      "BRUNET",
    "FRANÇOIS", "MERCIER", "BLANCHARD", "GUÉRIN",   "MÉNARD",  "COLIN",   "VIDAL",     "CARON",
    "HÉBERT",   "FLEURY",  "PRÉVOST",   "AUBRY",    "BENOÎT",  "RÉGNIER", "DESCHAMPS", "LÉGER",
    "RENAUD",   "CLÉMENT", "THÉVENIN",  "BOSSUET",  "VALLÉE",  "JOUBERT", "ÉTIENNE",   "SÉGUIN"};
constexpr std::array<std::string_view, 40> kFirstNames = {
    "Marie",  "Jean",     "Élodie",  "Jérôme",  "Anaïs",     "Hélène",  "François", "Noémie",
    "Zoé",    "Loïc",     "Célia",   "Benoît",  "Amélie",    "Gaëlle",  "Thérèse",  "André",
    "Joëlle", "Rémi",     "Léa",     "Mathéo",  "Inès",      "Clément", "Agnès",    "Frédéric",
    "Cécile", "Stéphane", "Maëlle",  "Raphaël", "Chloé",     "Hervé",   "Solène",   "Gérard",
    "Océane", "Aurélien", "Mélanie", "Valérie", "Sébastien", "Eugénie", "Honoré",   "Léonie"};
constexpr std::array<std::string_view, 6> kTransportLabels = {
    "Voiture", "Vélo", "Transports en commun", "À pied", "Scooter", "Véhicule de service"};

constexpr int kLargeCentreAntennas = 1000;

// A reproducible draw for an entity and a purpose: the same on every machine.
std::uint64_t Draw(std::uint64_t entity, std::uint64_t purpose) {
  std::uint64_t z = entity * 0x9E3779B97F4A7C15ULL + purpose * 0xD1B54A32D192ED03ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// Appends the parts: one allocation, whatever the mix of literals and strings.
template <class... Parts>
std::string Join(const Parts&... parts) {
  std::string text;
  (text.append(std::string_view(parts)), ...);
  return text;
}

int Pick(std::uint64_t entity, std::uint64_t purpose, int count) {
  return static_cast<int>(Draw(entity, purpose) % static_cast<std::uint64_t>(count));
}

std::string Digits(int number, std::size_t width) {
  std::string text = std::to_string(number);
  if (text.size() < width)
    text.insert(0, width - text.size(), '0');
  return text;
}

// Index i (below 1,000) mapped one to one onto a scrambled town and qualifier, so that
// label order differs from key order.
std::string TownWithQualifier(int i) {
  const int scrambled = (i * 389) % 1000;
  return Join(kTowns[static_cast<std::size_t>(scrambled % 40)], " ",
              kQualifiers[static_cast<std::size_t>(scrambled / 40)]);
}

// Joins attributes with the attribute mark, as the store keeps a record.
class Body {
 public:
  Body& Add(std::string_view attribute) {
    if (count_++ > 0)
      text_ += dba::kAttributeMark;
    text_ += attribute;
    return *this;
  }
  // Skips to attribute number (from 1) with empty attributes.
  Body& At(int number, std::string_view attribute) {
    while (count_ < number - 1)
      Add("");
    return Add(attribute);
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  int count_ = 0;
};

}  // namespace

const std::vector<std::string>& ServiceGenerator::Files() {
  static const std::vector<std::string> files = {"ANTENNEMEDICALE", "CENTREMEDICAL", "CIVILAIDANT",
                                                 "COMMUNES",        "COMPTEUR",      "QUARTIER",
                                                 "SECTEUR",         "SOUSSECTEUR",   "TABLES"};
  return files;
}

std::string ServiceGenerator::AidantKey(int number) {
  return Join("A", Digits(number, 6));
}

std::string ServiceGenerator::SectorKey(int number) {
  return Digits(number, 3);
}

std::string ServiceGenerator::LargeCentre() const {
  return Digits(scale_.largeCentreEvery > 0 ? scale_.largeCentreEvery : scale_.antennasPerCentre,
                3);
}

int ServiceGenerator::AntennasOf(int centre) const {
  const bool large = scale_.largeCentreEvery > 0 && centre % scale_.largeCentreEvery == 0;
  return large ? kLargeCentreAntennas : scale_.antennasPerCentre;
}

int ServiceGenerator::DistrictsOf(int subSector) const {
  return subSector == 0 ? scale_.districtsInFirstSubSector : scale_.districtsPerSubSector;
}

std::string ServiceGenerator::AntennaOfDistrict(int sector, int subSector, int district) const {
  if (sector == 1 && subSector == 0)
    return Join(LargeCentre(), "000");
  const std::uint64_t entity =
      (static_cast<std::uint64_t>(sector) * 100 + subSector) * 100 + district;
  const int centre = 1 + Pick(entity, 1, scale_.centres);
  return Join(Digits(centre, 3), Digits(Pick(entity, 2, AntennasOf(centre)), 3));
}

long ServiceGenerator::Generate(const Emit& emit) const {
  long count = 0;
  const Emit counting = [&](const std::string& file, const std::string& key,
                            const std::string& body) {
    ++count;
    emit(file, key, body);
  };
  EmitAntennas(counting);
  EmitCentres(counting);
  EmitAidants(counting);
  EmitCommunes(counting);
  counting("COMPTEUR", "999", Body().At(45, "0").Text());
  EmitDistricts(counting);
  EmitSectors(counting);
  EmitSubSectors(counting);
  std::string codes, labels;
  for (std::size_t i = 0; i < kTransportLabels.size(); ++i) {
    if (i > 0) {
      codes += dba::kValueMark;
      labels += dba::kValueMark;
    }
    codes += std::to_string(i + 1);
    labels += kTransportLabels[i];
  }
  counting("TABLES", "MOYENSLOC", Body().Add("Moyens de locomotion").Add(codes).Add(labels).Text());
  return count;
}

void ServiceGenerator::EmitAntennas(const Emit& emit) const {
  for (int centre = 1; centre <= scale_.centres; ++centre) {
    for (int antenna = 0; antenna < AntennasOf(centre); ++antenna) {
      emit("ANTENNEMEDICALE", Join(Digits(centre, 3), Digits(antenna, 3)),
           Join("Antenne ", TownWithQualifier(antenna)));
    }
  }
}

void ServiceGenerator::EmitCentres(const Emit& emit) const {
  for (int centre = 1; centre <= scale_.centres; ++centre) {
    const int i = (centre * 389) % 1000;
    std::string label = Join(kCentreKinds[static_cast<std::size_t>(i % 5)], " ",
                             kTowns[static_cast<std::size_t>((i / 5) % 40)]);
    if (i >= 200)
      label = Join(label, " ", kQualifiers[static_cast<std::size_t>(i / 200)]);
    emit("CENTREMEDICAL", Digits(centre, 3), label);
  }
}

void ServiceGenerator::EmitAidants(const Emit& emit) const {
  for (int number = 1; number <= scale_.aidants; ++number) {
    const auto entity = static_cast<std::uint64_t>(number);
    const bool woman = Pick(entity, 1, 2) == 0;
    std::string surname(kSurnames[static_cast<std::size_t>(Pick(entity, 2, 40))]);
    if (Pick(entity, 3, 2) == 0)
      surname = Join(surname, "-", kSurnames[static_cast<std::size_t>(Pick(entity, 4, 40))]);
    const int commune = Pick(entity, 5, scale_.communes);
    Body body;
    body.Add(woman ? "Mme" : "M.")
        .Add(surname)
        .Add(kFirstNames[static_cast<std::size_t>(Pick(entity, 6, 40))])
        .Add(Join(std::to_string(1 + Pick(entity, 7, 120)), " ",
                  kWays[static_cast<std::size_t>(Pick(entity, 8, 8))], " ",
                  kWayNames[static_cast<std::size_t>(Pick(entity, 9, 20))]))
        .Add(Digits(37000 + Pick(entity, 10, 999), 5))
        .Add(kTowns[static_cast<std::size_t>(commune % 40)])
        .Add(Join("02 47 ", Digits(Pick(entity, 11, 100), 2), " ", Digits(Pick(entity, 12, 100), 2),
                  " ", Digits(Pick(entity, 13, 100), 2)));
    // One aidant in ten is still to be sectorised; aidant 1 always is complete.
    if (number == 1 || Pick(entity, 14, 10) != 0) {
      const int sector = number == 1 ? 1 : 1 + Pick(entity, 15, scale_.sectors);
      const int subSector = number == 1 ? 0 : Pick(entity, 16, scale_.subSectorsPerSector);
      const int district = Pick(entity, 17, DistrictsOf(subSector));
      const std::string subSectorKey = Join(SectorKey(sector), Digits(subSector, 2));
      // Aidant 1 keeps an antenna of its own, not its district's.
      const std::string antenna =
          number == 1 ? Join(LargeCentre(), Digits(AntennasOf(std::stoi(LargeCentre())) - 1, 3))
                      : AntennaOfDistrict(sector, subSector, district);
      std::string associated;
      for (int i = 0, n = Pick(entity, 19, 4); i < n; ++i) {
        if (i > 0)
          associated += dba::kValueMark;
        associated +=
            SectorKey(1 + Pick(entity, 20 + static_cast<std::uint64_t>(i), scale_.sectors));
      }
      body.At(31, SectorKey(sector))
          .Add(subSectorKey)
          .Add(Join(subSectorKey, Digits(district, 2)))
          .Add(std::to_string(1 + Pick(entity, 24, static_cast<int>(kTransportLabels.size()))))
          .Add(antenna);
      body.At(39, Digits(10000 + commune, 5));
      if (!associated.empty())
        body.At(43, associated);
    } else {
      body.At(39, Digits(10000 + commune, 5));
    }
    emit("CIVILAIDANT", AidantKey(number), body.Text());
  }
}

void ServiceGenerator::EmitCommunes(const Emit& emit) const {
  for (int commune = 0; commune < scale_.communes; ++commune) {
    Body body;
    std::string name = TownWithQualifier(commune % 1000);
    if (commune >= 1000)
      name = Join(name, " ", std::to_string(commune / 1000));
    body.Add(name);
    // One commune in twenty has no sector of its own.
    if (Pick(static_cast<std::uint64_t>(commune), 30, 20) != 0)
      body.At(3, SectorKey(1 + Pick(static_cast<std::uint64_t>(commune), 31, scale_.sectors)));
    emit("COMMUNES", Digits(10000 + commune, 5), body.Text());
  }
}

void ServiceGenerator::EmitDistricts(const Emit& emit) const {
  for (int sector = 1; sector <= scale_.sectors; ++sector) {
    for (int subSector = 0; subSector < scale_.subSectorsPerSector; ++subSector) {
      const std::string subSectorKey = Join(SectorKey(sector), Digits(subSector, 2));
      for (int district = 0; district < DistrictsOf(subSector); ++district) {
        const int way = (district * 37 + subSector) % 160;
        const std::string label = Join(kWays[static_cast<std::size_t>(way % 8)], " ",
                                       kWayNames[static_cast<std::size_t>(way / 8)]);
        emit("QUARTIER", Join(subSectorKey, Digits(district, 2)),
             Body().Add(label).Add(AntennaOfDistrict(sector, subSector, district)).Text());
      }
    }
  }
}

void ServiceGenerator::EmitSectors(const Emit& emit) const {
  for (int sector = 1; sector <= scale_.sectors; ++sector)
    emit("SECTEUR", SectorKey(sector), TownWithQualifier(sector - 1));
}

void ServiceGenerator::EmitSubSectors(const Emit& emit) const {
  for (int sector = 1; sector <= scale_.sectors; ++sector) {
    for (int subSector = 0; subSector < scale_.subSectorsPerSector; ++subSector) {
      const int place = (subSector * 31 + sector) % 100;
      emit("SOUSSECTEUR", Join(SectorKey(sector), Digits(subSector, 2)),
           Join(kPlaceKinds[static_cast<std::size_t>(place % 10)], " ",
                kPlaceNames[static_cast<std::size_t>(place / 10)]));
    }
  }
}

long ServiceGenerator::Load(dba::DatabaseConnection& connection) const {
  dba::Storage& storage = connection.GetStorage();
  long count = 0;
  storage.WriteTransaction([&] {
    for (const std::string& file : Files())
      connection.CreateFile(file);
    count = Generate([&](const std::string& file, const std::string& key, const std::string& body) {
      storage.Write(file, key, body);
    });
  });
  return count;
}

void ServiceGenerator::WriteJsonLines(std::ostream& output) const {
  Generate([&](const std::string& file, const std::string& key, const std::string& body) {
    output << dba::RecordJson::Format(file, key, body) << '\n';
  });
}

}  // namespace servicedata
