// Verbs 1 to 5 of the catalogue.
#include "catalogue/invariants.h"

namespace catalogue {
namespace {

constexpr std::array<VerbParadigm, 5> kVerbs = {{
    {
        "cantar",
        {"canti",     "cantava",   "cantarem",  "cantaren",  "canteu",   "cantaríem", "cantés",    "cantes",
         "cantaran",  "cantàreu",  "cantàvem",  "cantaries", "canti",    "cantéssim", "cantarien", "cantàveu",
         "cantí",     "cantarà",   "cantava",   "cantessis", "cantis",   "cantaria",  "cantin",    "cantaven",
         "cantéssiu", "cantareu",  "cantessin", "canta",     "cantares", "cantaves",  "cantà",     "cantaria",
         "cantés",    "cantaríeu", "cantàrem",  "cantaràs",  "cantem",   "cantaré",   "canten",    "canto"},
        {{
            {"canto", "cantes", "canta", "cantem", "canteu", "canten"},
            {"canti", "cantis", "canti", "cantem", "canteu", "cantin"},
            {"", "canta", "canti", "cantem", "canteu", "cantin"},
            {"cantava", "cantaves", "cantava", "cantàvem", "cantàveu", "cantaven"},
            {"cantés", "cantessis", "cantés", "cantéssim", "cantéssiu", "cantessin"},
            {"cantí", "cantares", "cantà", "cantàrem", "cantàreu", "cantaren"},
            {"cantaré", "cantaràs", "cantarà", "cantarem", "cantareu", "cantaran"},
            {"cantaria", "cantaries", "cantaria", "cantaríem", "cantaríeu", "cantarien"},
        }},
        false,
        {},
    },
    {
        "témer",
        {"temeríem", "temeran",  "temérem",  "temeres",  "tems",   "temis",    "teméssim", "temo",
         "teméreu",  "teméssiu", "temeries", "temerien", "temerà", "temi",     "temien",   "temeren",
         "temerem",  "temíeu",   "tem",      "temies",   "temia",  "temí",     "temereu",  "temem",
         "temeríeu", "temeràs",  "temia",    "temen",    "temeu",  "temessis", "temi",     "temés",
         "temé",     "temessin", "temeria",  "temeria",  "temeré", "temin",    "temíem",   "temés"},
        {{
            {"temo", "tems", "tem", "temem", "temeu", "temen"},
            {"temi", "temis", "temi", "temem", "temeu", "temin"},
            {"", "tem", "temi", "temem", "temeu", "temin"},
            {"temia", "temies", "temia", "temíem", "temíeu", "temien"},
            {"temés", "temessis", "temés", "teméssim", "teméssiu", "temessin"},
            {"temí", "temeres", "temé", "temérem", "teméreu", "temeren"},
            {"temeré", "temeràs", "temerà", "temerem", "temereu", "temeran"},
            {"temeria", "temeries", "temeria", "temeríem", "temeríeu", "temerien"},
        }},
        false,
        {},
    },
    {
        "perdre",
        {"perdé",     "perdran",   "perdia",   "perdéreu", "perdreu", "perderes", "perdies",   "perdessin",
         "perdessis", "perdí",     "perd",     "perdien",  "perdi",   "perdríem", "perderen",  "perdria",
         "perdria",   "perdeu",    "perdíeu",  "perdrà",   "perdrem", "perdés",   "perdi",     "perdés",
         "perdré",    "perdéssiu", "perdo",    "perdis",   "perden",  "perdia",   "perdrien",  "perdem",
         "perdràs",   "perdíem",   "perdríeu", "perds",    "perdin",  "perdries", "perdéssim", "perdérem"},
        {{
            {"perdo", "perds", "perd", "perdem", "perdeu", "perden"},
            {"perdi", "perdis", "perdi", "perdem", "perdeu", "perdin"},
            {"", "perd", "perdi", "perdem", "perdeu", "perdin"},
            {"perdia", "perdies", "perdia", "perdíem", "perdíeu", "perdien"},
            {"perdés", "perdessis", "perdés", "perdéssim", "perdéssiu", "perdessin"},
            {"perdí", "perderes", "perdé", "perdérem", "perdéreu", "perderen"},
            {"perdré", "perdràs", "perdrà", "perdrem", "perdreu", "perdran"},
            {"perdria", "perdries", "perdria", "perdríem", "perdríeu", "perdrien"},
        }},
        false,
        {},
    },
    {
        "dormir",
        {"dormiré",   "dormí",     "dormi",     "dormissin", "dormís",   "dorm",     "dormíem",   "dormia",
         "dormien",   "dormiria",  "dormin",    "dormi",     "dormirem", "dormiran", "dormiren",  "dormen",
         "dormiríem", "dormirien", "dormís",    "dormiria",  "dormo",    "dormies",  "dormíeu",   "dormíssim",
         "dormissis", "dormis",    "dormiríeu", "dormires",  "dormírem", "dormí",    "dormim",    "dormirà",
         "dormiu",    "dormireu",  "dormiràs",  "dorms",     "dormia",   "dormíreu", "dormiries", "dormíssiu"},
        {{
            {"dormo", "dorms", "dorm", "dormim", "dormiu", "dormen"},
            {"dormi", "dormis", "dormi", "dormim", "dormiu", "dormin"},
            {"", "dorm", "dormi", "dormim", "dormiu", "dormin"},
            {"dormia", "dormies", "dormia", "dormíem", "dormíeu", "dormien"},
            {"dormís", "dormissis", "dormís", "dormíssim", "dormíssiu", "dormissin"},
            {"dormí", "dormires", "dormí", "dormírem", "dormíreu", "dormiren"},
            {"dormiré", "dormiràs", "dormirà", "dormirem", "dormireu", "dormiran"},
            {"dormiria", "dormiries", "dormiria", "dormiríem", "dormiríeu", "dormirien"},
        }},
        false,
        {},
    },
    {
        "servir",
        {"serviré",   "serviu",    "servirien", "serveixin", "servíssim", "serviràs", "serviren",  "serveix",
         "serviria",  "servissin", "servís",    "servissis", "serviries", "serveixo", "servíem",   "servia",
         "serveixi",  "servírem",  "serví",     "servim",    "serveixi",  "servirem", "servireu",  "serviríeu",
         "serveixis", "serviria",  "servirà",   "servíreu",  "serví",     "servien",  "serveixen", "servíeu",
         "servies",   "serviran",  "servia",    "serviríem", "serveixes", "servís",   "servíssiu", "servires"},
        {{
            {"serveixo", "serveixes", "serveix", "servim", "serviu", "serveixen"},
            {"serveixi", "serveixis", "serveixi", "servim", "serviu", "serveixin"},
            {"", "serveix", "serveixi", "servim", "serviu", "serveixin"},
            {"servia", "servies", "servia", "servíem", "servíeu", "servien"},
            {"servís", "servissis", "servís", "servíssim", "servíssiu", "servissin"},
            {"serví", "servires", "serví", "servírem", "servíreu", "serviren"},
            {"serviré", "serviràs", "servirà", "servirem", "servireu", "serviran"},
            {"serviria", "serviries", "serviria", "serviríem", "serviríeu", "servirien"},
        }},
        false,
        {},
    },
}};

static_assert(allWellFormed(kVerbs));

}  // namespace

Block verbs1to5() { return {1, 5, kVerbs}; }

}  // namespace catalogue
