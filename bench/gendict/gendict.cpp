// SPDX-License-Identifier: GPL-3.0-or-later
// Builds synthetic dictionaries from French clinical vocabulary: titles, criteria, synonyms, coding rules and
// critical diagnoses shaped like the shipped dictionary, so keyword searches match a realistic share of rows.
#include "gendict.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

namespace gendict
{
namespace
{

// Our own generator and reductions: the standard distributions may differ between library versions,
// and a dictionary must not change with the compiler.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T &pick(const std::vector<T> &values) { return values[below(int(values.size()))]; }

private:
    std::uint64_t m_state;
};

struct Noun {
    const char *text;
    bool feminine;
};
struct Adjective {
    const char *masculine;
    const char *feminine;
};

// Titles follow the shipped dictionary's habit: capitals without accents.
const std::vector<Noun> kTitleHeads = {
    {"DOULEUR", true},
    {"TOUX", true},
    {"FIEVRE", true},
    {"CEPHALEE", true},
    {"LOMBALGIE", true},
    {"ASTHENIE", true},
    {"DYSPNEE", true},
    {"NAUSEE", true},
    {"ERUPTION", true},
    {"DIARRHEE", true},
    {"CONSTIPATION", true},
    {"PALPITATION", true},
    {"INSOMNIE", true},
    {"ANXIETE", true},
    {"HEMATURIE", true},
    {"DYSURIE", true},
    {"OTALGIE", true},
    {"RHINITE", true},
    {"ANGINE", true},
    {"BRONCHITE", true},
    {"ENTORSE", true},
    {"CONTUSION", true},
    {"PLAIE", true},
    {"BRULURE", true},
    {"LESION", true},
    {"TUMEFACTION", true},
    {"HYPERTENSION", true},
    {"ANEMIE", true},
    {"DORSALGIE", true},
    {"CERVICALGIE", true},
    {"SCIATIQUE", true},
    {"TENDINITE", true},
    {"ARTHROSE", true},
    {"CONJONCTIVITE", true},
    {"CYSTITE", true},
    {"MIGRAINE", true},
    {"SYNCOPE", true},
    {"LOMBOSCIATIQUE", true},
    {"GONALGIE", true},
    {"EPIGASTRALGIE", true},
    {"VERTIGE", false},
    {"PRURIT", false},
    {"OEDEME", false},
    {"ECZEMA", false},
    {"MALAISE", false},
    {"AMAIGRISSEMENT", false},
    {"TRAUMATISME", false},
    {"ETAT FEBRILE", false},
    {"REFLUX", false},
    {"SAIGNEMENT", false},
    {"ACOUPHENE", false},
    {"TREMBLEMENT", false},
    {"LUMBAGO", false},
    {"TORTICOLIS", false},
    {"PANARIS", false},
    {"ABCES", false},
    {"KYSTE", false},
    {"NODULE", false},
    {"SOUFFLE CARDIAQUE", false},
    {"ECOULEMENT", false},
};

const std::vector<Adjective> kTitleQualifiers = {
    {"LOMBAIRE", "LOMBAIRE"},
    {"THORACIQUE", "THORACIQUE"},
    {"ABDOMINAL", "ABDOMINALE"},
    {"AIGU", "AIGUE"},
    {"CHRONIQUE", "CHRONIQUE"},
    {"FEBRILE", "FEBRILE"},
    {"PERSISTANT", "PERSISTANTE"},
    {"RECIDIVANT", "RECIDIVANTE"},
    {"CERVICAL", "CERVICALE"},
    {"DORSAL", "DORSALE"},
    {"ARTICULAIRE", "ARTICULAIRE"},
    {"MUSCULAIRE", "MUSCULAIRE"},
    {"CUTANE", "CUTANEE"},
    {"NOCTURNE", "NOCTURNE"},
    {"POST-TRAUMATIQUE", "POST-TRAUMATIQUE"},
    {"ISOLE", "ISOLEE"},
    {"BILATERAL", "BILATERALE"},
    {"UNILATERAL", "UNILATERALE"},
    {"DIFFUS", "DIFFUSE"},
    {"LOCALISE", "LOCALISEE"},
    {"INFLAMMATOIRE", "INFLAMMATOIRE"},
    {"MECANIQUE", "MECANIQUE"},
    {"PAROXYSTIQUE", "PAROXYSTIQUE"},
    {"ALLERGIQUE", "ALLERGIQUE"},
    {"VIRAL", "VIRALE"},
    {"SEVERE", "SEVERE"},
    {"BENIN", "BENIGNE"},
};

const std::vector<std::string> kTitleComplements = {
    "DE L'ADULTE",         "DE L'ENFANT",     "DU SUJET AGE",    "DE LA FEMME ENCEINTE", "DU NOURRISSON",
    "A L'EFFORT",          "AU REPOS",        "APRES UN VOYAGE", "EN POST-PARTUM",       "DU MEMBRE INFERIEUR",
    "DU MEMBRE SUPERIEUR", "SOUS TRAITEMENT", "DU SPORTIF",      "DE L'ADOLESCENT",
};

// Criteria are written as the dictionary's authors write them: sentence case, with accents.
const std::vector<std::string> kCriterionPrefixes = {
    "",
    "",
    "",
    "Absence de ",
    "Présence d'une ",
    "Antécédent de ",
    "Apparition brutale d'une ",
    "Aggravation progressive d'une ",
    "Notion de ",
    "Persistance d'une ",
};

const std::vector<std::string> kCriterionFindings = {
    "douleur à la palpation",
    "fièvre supérieure à 38,5 °C",
    "raideur matinale",
    "toux sèche",
    "éruption vésiculeuse",
    "céphalée en casque",
    "irradiation vers la jambe",
    "sensibilité de la fosse lombaire",
    "trouble du transit",
    "perte de poids inexpliquée",
    "fatigue inhabituelle",
    "gêne respiratoire",
    "écoulement nasal clair",
    "rougeur conjonctivale",
    "brûlure mictionnelle",
    "épistaxis antérieure",
    "gonflement articulaire",
    "limitation de la mobilité",
    "signe de Lasègue positif",
    "adénopathie cervicale",
    "souffle à l'auscultation",
    "tension artérielle élevée",
    "glycémie à jeun élevée",
    "prurit généralisé",
    "vertige rotatoire",
    "nausée avec vomissements",
    "palpitation à l'effort",
    "trouble du sommeil",
    "humeur triste",
    "douleur nocturne",
    "expectoration purulente",
    "sueurs profuses",
    "paresthésie des extrémités",
    "œdème des membres inférieurs",
    "frissons",
    "anorexie",
    "érythème localisé",
    "contracture paravertébrale",
    "dysphagie",
    "hématome en regard",
};

const std::vector<std::string> kCriterionSuffixes = {
    "",
    "",
    "",
    " depuis moins de 15 jours",
    " depuis plus de 3 mois",
    " à l'effort",
    " au repos",
    " d'apparition récente",
    " sans cause évidente",
    " cédant au repos",
    " non soulagée par les antalgiques usuels",
    " chez un patient de plus de 50 ans",
    " lors de la marche",
    " en position couchée",
};

const std::vector<std::string> kSynonymWords = {
    "SYNDROME", "ATTEINTE",   "TROUBLE", "AFFECTION", "MANIFESTATION",
    "ETAT",     "PATHOLOGIE", "PLAINTE", "SIGNE",     "EPISODE",
};

const std::vector<std::string> kCriticalHeads = {
    "Méningite",
    "Embolie pulmonaire",
    "Syndrome coronarien aigu",
    "Dissection aortique",
    "Hémorragie méningée",
    "Accident vasculaire cérébral",
    "Appendicite",
    "Occlusion intestinale",
    "Pyélonéphrite",
    "Sepsis",
    "Cancer",
    "Fracture",
    "Thrombose veineuse",
    "Insuffisance cardiaque",
    "Pneumopathie",
    "Glaucome aigu",
    "Syndrome de la queue de cheval",
    "Spondylodiscite",
    "Anévrisme",
    "Tuberculose",
};

const std::vector<std::string> kCriticalQualifiers = {
    "",        " compliqué(e)",  " de l'enfant", " du sujet âgé", " atypique", " débutant(e)",
    " sévère", " récidivant(e)", " secondaire",  " à bas bruit",
};

const std::vector<std::string> kRuleSubtitles = {
    "forme aiguë",           "forme chronique",     "avec complication", "sans complication",
    "forme de l'enfant",     "forme de l'adulte",   "forme unilatérale", "forme bilatérale",
    "d'origine infectieuse", "d'origine mécanique", "après traumatisme", "sans précision",
};

const std::vector<std::string> kArgumentSentences = {
    "Ce résultat de consultation regroupe les situations où le médecin retient un tableau cohérent sans "
    "pouvoir affirmer un diagnostic certifié. ",
    "La position diagnostique choisie doit refléter le niveau de certitude atteint à la fin de la séance. ",
    "Les critères obligatoires sont ceux sans lesquels le résultat ne peut pas être retenu. ",
    "Il convient de rechercher systématiquement les diagnostics critiques associés avant de conclure. ",
    "En cas de doute, le suivi permet de réévaluer la situation lors d'une consultation ultérieure. ",
    "La douleur, son siège, son horaire et son retentissement fonctionnel orientent l'examen clinique. ",
    "Chez l'enfant et le sujet âgé, la présentation peut être atypique et justifie une vigilance accrue. ",
    "Le codage proposé suit la classification internationale en vigueur et peut être affiné si besoin. ",
    "Un antécédent similaire récent doit faire discuter une cause sous-jacente non encore identifiée. ",
    "L'évolution favorable spontanée est la règle, mais les signes d'alerte doivent être expliqués au patient. ",
    "Les examens complémentaires ne sont indiqués qu'en présence d'éléments cliniques le justifiant. ",
    "Ce regroupement facilite le recueil épidémiologique des motifs de recours en soins primaires. ",
};

const char kCispChapters[] = "ABDFHKLNPRSTUWXYZ";
const char kCimChapters[] = "ABCDEFGHIJKLMNOPQRSTVZ";

std::string capitalised(const std::string &text)
{
    std::string out = text;
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z')
        out[0] = char(out[0] - 'a' + 'A');
    return out;
}

std::string cimCode(Random &random)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%02d.%d", kCimChapters[random.below(int(sizeof kCimChapters) - 1)],
                  random.below(100), random.below(10));
    return buffer;
}

std::string cispCode(Random &random)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%02d", kCispChapters[random.below(int(sizeof kCispChapters) - 1)],
                  1 + random.below(99));
    return buffer;
}

// Cuts at a character boundary so the text stays valid UTF-8 whatever the requested size.
std::string argumentText(Random &random, int bytes)
{
    std::string text = "\xEF\xBB\xBF";
    while (int(text.size()) < bytes)
        text += random.pick(kArgumentSentences);
    std::size_t cut = std::size_t(bytes);
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
    return text;
}

std::string uniqueTitle(Random &random, std::set<std::string> &used, long long rcId)
{
    for (int attempt = 0; attempt < 40; ++attempt) {
        const Noun &head = random.pick(kTitleHeads);
        std::string title = head.text;
        const int shape = random.below(10);
        if (shape >= 2) {
            const Adjective &q = random.pick(kTitleQualifiers);
            title += std::string(" ") + (head.feminine ? q.feminine : q.masculine);
        }
        if (shape >= 6) {
            const Adjective &q = random.pick(kTitleQualifiers);
            const std::string word = head.feminine ? q.feminine : q.masculine;
            if (title.find(word) == std::string::npos)
                title += " " + word;
        }
        if (shape == 0 || shape >= 5)
            title += " " + random.pick(kTitleComplements);
        if (used.insert(title).second)
            return title;
    }
    std::string title = std::string(random.pick(kTitleHeads).text) + " FORME " + std::to_string(rcId);
    used.insert(title);
    return title;
}

struct Statement {
    sqlite3_stmt *stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

class Writer
{
public:
    explicit Writer(sqlite3 *db) : m_db(db) {}
    bool prepare(Statement &s, const char *sql) { return check(sqlite3_prepare_v2(m_db, sql, -1, &s.stmt, nullptr)); }
    bool run(Statement &s)
    {
        const int rc = sqlite3_step(s.stmt);
        sqlite3_reset(s.stmt);
        sqlite3_clear_bindings(s.stmt);
        return check(rc == SQLITE_DONE ? SQLITE_OK : rc);
    }
    bool exec(const std::string &sql) { return check(sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr)); }
    void text(Statement &s, int i, const std::string &v)
    {
        sqlite3_bind_text(s.stmt, i, v.c_str(), int(v.size()), SQLITE_TRANSIENT);
    }
    void blob(Statement &s, int i, const std::string &v)
    {
        sqlite3_bind_blob(s.stmt, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
    }
    void integer(Statement &s, int i, long long v) { sqlite3_bind_int64(s.stmt, i, v); }
    void null(Statement &s, int i) { sqlite3_bind_null(s.stmt, i); }
    const std::string &error() const { return m_error; }

private:
    bool check(int rc)
    {
        if (rc == SQLITE_OK)
            return true;
        if (m_error.empty())
            m_error = sqlite3_errmsg(m_db);
        return false;
    }
    sqlite3 *m_db;
    std::string m_error;
};

struct Criterion {
    long long id;
    long long parent;
};

bool fill(Writer &w, int scale, const Shape &shape, Counts &counts)
{
    Random random(0x51u + std::uint64_t(scale) * 7919u);
    const long long rcCount = (long long)shape.rcsPerScale * scale;
    const long long criticalCount = (long long)shape.criticalPoolPerScale * scale;

    Statement rc, def, syn, seeAlso, dic, rcDic, rule, combi;
    if (!w.prepare(rc, "INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, "
                       "argumentaire, code_cim_defaut, code_cisp_defaut) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)") ||
        !w.prepare(def, "INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, "
                        "validite, ordre, ref_ponder_id) VALUES (?,?,?,?,?,?,?)") ||
        !w.prepare(syn, "INSERT INTO ref_rc_synonymes (ref_rc_id, lib) VALUES (?,?)") ||
        !w.prepare(seeAlso, "INSERT INTO ref_l_rc_voir_aussi_rc (ref_rc_id, voir_aussi_id) VALUES (?,?)") ||
        !w.prepare(dic, "INSERT INTO ref_dic (ref_dic_seq, dic_lib, groupe) VALUES (?,?,?)") ||
        !w.prepare(rcDic, "INSERT INTO ref_l_rc_dic (ref_rc_id, ref_dic_id) VALUES (?,?)") ||
        !w.prepare(rule, "INSERT INTO ref_l_rc_cim10 (ref_lrccim_seq, ref_rc_id, code_cim_1, code_cim_2, soustitre, "
                         "code_cisp) VALUES (?,?,?,?,?,?)") ||
        !w.prepare(combi, "INSERT INTO ref_combi_criteres_cim (ref_lrccim_id, ref_definition_id, condition) "
                          "VALUES (?,?,NULL)"))
        return false;

    for (long long id = 1; id <= criticalCount; ++id) {
        w.integer(dic, 1, id);
        w.text(dic, 2, random.pick(kCriticalHeads) + random.pick(kCriticalQualifiers));
        const int roll = random.below(10);
        w.text(dic, 3, roll < 3 ? "3" : roll < 7 ? "2" : "1");
        if (!w.run(dic))
            return false;
    }

    std::set<std::string> titles;
    long long criterionId = 0;
    long long ruleId = 0;
    for (long long id = 1; id <= rcCount; ++id) {
        const std::string title = uniqueTitle(random, titles, id);
        w.integer(rc, 1, id);
        w.text(rc, 2, title);
        const int sexRoll = random.below(10);
        w.integer(rc, 3, sexRoll == 0 ? 1 : sexRoll == 1 ? 2 : 3);
        if (random.chance(75)) {
            w.integer(rc, 4, 0);
            w.integer(rc, 5, 125);
        } else {
            const int low = random.below(60);
            w.integer(rc, 4, low);
            w.integer(rc, 5, low + 20 + random.below(106 - low));
        }
        int offered = 0;
        for (int p = 0; p < 5; ++p) {
            const bool on = random.chance(p == 4 ? 20 : 60);
            offered += on;
            w.integer(rc, 6 + p, on || (p == 1 && offered == 0) ? 1 : 0);
        }
        w.blob(rc, 11, argumentText(random, shape.argumentBytes));
        w.text(rc, 12, cimCode(random));
        w.text(rc, 13, cispCode(random));
        if (!w.run(rc))
            return false;
        ++counts.rcs;

        // Top-level criteria first in a shuffled order; each sub-criterion comes right after its parent.
        const int subCount = shape.criteriaPerRc / 3;
        const int topCount = shape.criteriaPerRc - subCount;
        std::vector<int> hasChild(std::size_t(topCount), 0);
        for (int c = 0; c < subCount; ++c)
            hasChild[std::size_t(random.below(topCount))]++;
        std::vector<Criterion> topLevel;
        int order = 0;
        for (int t = 0; t < topCount; ++t) {
            const long long parentId = ++criterionId;
            topLevel.push_back({parentId, 0});
            for (int c = -1; c < hasChild[std::size_t(t)]; ++c) {
                const bool sub = c >= 0;
                const long long cid = sub ? ++criterionId : parentId;
                w.integer(def, 1, cid);
                w.integer(def, 2, id);
                w.integer(def, 3, sub ? parentId : 0);
                w.text(def, 4,
                       capitalised(random.pick(kCriterionPrefixes) + random.pick(kCriterionFindings) +
                                   random.pick(kCriterionSuffixes)));
                w.integer(def, 5, sub && random.chance(4) ? 0 : 1);
                w.integer(def, 6, ++order);
                const int ponder = random.below(20);
                if (ponder < 6)
                    w.null(def, 7);
                else if (ponder < 9)
                    w.integer(def, 7, 1);
                else if (ponder < 13)
                    w.integer(def, 7, 2);
                else if (ponder < 16)
                    w.integer(def, 7, 3);
                else if (ponder < 17)
                    w.integer(def, 7, 4 + random.below(2));
                else
                    w.integer(def, 7, ponder < 19 ? 6 : 10);
                if (!w.run(def))
                    return false;
                ++counts.criteria;
            }
        }

        for (int s = 0; s < shape.synonymsPerRc; ++s) {
            w.integer(syn, 1, id);
            w.text(syn, 2, random.pick(kSynonymWords) + " " + random.pick(kTitleQualifiers).masculine);
            if (!w.run(syn))
                return false;
            ++counts.synonyms;
        }

        // Links go to RCs already written or yet to come; the first RCs point forward so none has fewer.
        std::set<long long> linked;
        while (int(linked.size()) < shape.seeAlsoPerRc && rcCount > shape.seeAlsoPerRc) {
            const long long other = 1 + random.below(int(rcCount));
            if (other == id || !linked.insert(other).second)
                continue;
            w.integer(seeAlso, 1, id);
            w.integer(seeAlso, 2, other);
            if (!w.run(seeAlso))
                return false;
            ++counts.seeAlso;
        }

        std::set<long long> critical;
        while (int(critical.size()) < shape.criticalPerRc && criticalCount > shape.criticalPerRc) {
            const long long dicId = 1 + random.below(int(criticalCount));
            if (!critical.insert(dicId).second)
                continue;
            w.integer(rcDic, 1, id);
            w.integer(rcDic, 2, dicId);
            if (!w.run(rcDic))
                return false;
            ++counts.criticalLinks;
        }

        for (int r = 0; r < shape.rulesPerRc; ++r) {
            w.integer(rule, 1, ++ruleId);
            w.integer(rule, 2, id);
            w.text(rule, 3, cimCode(random));
            if (random.chance(20))
                w.text(rule, 4, cimCode(random));
            else
                w.text(rule, 4, "");
            w.text(rule, 5, random.pick(kRuleSubtitles));
            w.text(rule, 6, cispCode(random));
            if (!w.run(rule))
                return false;
            ++counts.rules;
            const int members = 1 + random.below(2);
            std::set<long long> chosen;
            while (int(chosen.size()) < members)
                chosen.insert(topLevel[std::size_t(random.below(int(topLevel.size())))].id);
            for (long long member : chosen) {
                w.integer(combi, 1, ruleId);
                w.integer(combi, 2, member);
                if (!w.run(combi))
                    return false;
            }
        }
    }
    return true;
}

} // namespace

bool readFile(const std::string &path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool generate(const std::string &path, int scale, const std::string &schemaSql, std::string &error, Counts *counts,
              const Shape &shape)
{
    if (scale < 1) {
        error = "scale must be at least 1";
        return false;
    }
    std::remove(path.c_str());
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        error = raw ? sqlite3_errmsg(raw) : "cannot open " + path;
        sqlite3_close(raw);
        return false;
    }
    std::unique_ptr<sqlite3, int (*)(sqlite3 *)> db(raw, sqlite3_close);
    Writer w(db.get());
    Counts local;
    // Journal off: a half-written file is simply generated again.
    bool ok = w.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;") && w.exec(schemaSql) && w.exec("BEGIN") &&
              fill(w, scale, shape, local) && w.exec("COMMIT");
    if (!ok) {
        error = w.error();
        db.reset();
        std::remove(path.c_str());
        return false;
    }
    if (counts)
        *counts = local;
    return true;
}

} // namespace gendict
