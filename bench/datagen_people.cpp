#include "datagen_people.h"

using namespace Qt::StringLiterals;

namespace zova::datagen {

namespace {
quint64 splitmix(quint64& x)
{
    quint64 z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

quint64 rotl(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

const QStringList kMaleNames = {
    u"JOSÉ"_s,
    u"JOÃO"_s,
    u"ANTÔNIO"_s,
    u"FRANCISCO"_s,
    u"CARLOS"_s,
    u"PAULO"_s,
    u"PEDRO"_s,
    u"LUCAS"_s,
    u"LUIZ"_s,
    u"MARCOS"_s,
    u"LUÍS"_s,
    u"GABRIEL"_s,
    u"RAFAEL"_s,
    u"DANIEL"_s,
    u"MARCELO"_s,
    u"BRUNO"_s,
    u"EDUARDO"_s,
    u"FELIPE"_s,
    u"RAIMUNDO"_s,
    u"RODRIGO"_s,
    u"MANOEL"_s,
    u"MATEUS"_s,
    u"ANDRÉ"_s,
    u"FERNANDO"_s,
    u"FÁBIO"_s,
    u"LEONARDO"_s,
    u"GUSTAVO"_s,
    u"GUILHERME"_s,
    u"LEANDRO"_s,
    u"TIAGO"_s,
    u"ANDERSON"_s,
    u"RICARDO"_s,
    u"MÁRCIO"_s,
    u"JORGE"_s,
    u"SEBASTIÃO"_s,
    u"ALEXANDRE"_s,
    u"ROBERTO"_s,
    u"EDSON"_s,
    u"DIEGO"_s,
    u"VÍTOR"_s,
    u"SÉRGIO"_s,
    u"CLÁUDIO"_s,
    u"JOAQUIM"_s,
    u"BENEDITO"_s,
    u"GERALDO"_s,
    u"OTÁVIO"_s,
    u"VALDIR"_s,
    u"ADEMIR"_s,
    u"OSVALDO"_s,
    u"NATANAEL"_s,
    u"CAIO"_s,
    u"HEITOR"_s,
    u"ARTHUR"_s,
    u"DAVI"_s,
    u"BERNARDO"_s,
    u"MIGUEL"_s,
    u"ENZO"_s,
    u"SAMUEL"_s,
    u"NÍCOLAS"_s,
    u"ÉRICO"_s,
    u"IVAN"_s,
    u"WAGNER"_s,
    u"WELLINGTON"_s,
    u"JOSUÉ"_s,
    u"ISAÍAS"_s,
    u"ELIAS"_s,
};

const QStringList kFemaleNames = {
    u"MARIA"_s,
    u"ANA"_s,
    u"FRANCISCA"_s,
    u"ANTÔNIA"_s,
    u"ADRIANA"_s,
    u"JULIANA"_s,
    u"MÁRCIA"_s,
    u"FERNANDA"_s,
    u"PATRÍCIA"_s,
    u"ALINE"_s,
    u"SANDRA"_s,
    u"CAMILA"_s,
    u"AMANDA"_s,
    u"BRUNA"_s,
    u"JÉSSICA"_s,
    u"LETÍCIA"_s,
    u"JÚLIA"_s,
    u"LUCIANA"_s,
    u"VANESSA"_s,
    u"MARIANA"_s,
    u"GABRIELA"_s,
    u"VERA"_s,
    u"VITÓRIA"_s,
    u"LARISSA"_s,
    u"CLÁUDIA"_s,
    u"BEATRIZ"_s,
    u"LUANA"_s,
    u"RITA"_s,
    u"SÔNIA"_s,
    u"RENATA"_s,
    u"ELIANE"_s,
    u"JOSEFA"_s,
    u"SIMONE"_s,
    u"NATÁLIA"_s,
    u"CRISTIANE"_s,
    u"CARLA"_s,
    u"DÉBORA"_s,
    u"ROSÂNGELA"_s,
    u"JAQUELINE"_s,
    u"ROSA"_s,
    u"DANIELA"_s,
    u"APARECIDA"_s,
    u"MARLENE"_s,
    u"TEREZINHA"_s,
    u"RAIMUNDA"_s,
    u"ANDRÉIA"_s,
    u"FABIANA"_s,
    u"LÚCIA"_s,
    u"RAQUEL"_s,
    u"ÂNGELA"_s,
    u"HELENA"_s,
    u"ALICE"_s,
    u"LAURA"_s,
    u"VALENTINA"_s,
    u"CECÍLIA"_s,
    u"ISABELA"_s,
    u"LÍVIA"_s,
    u"SOFIA"_s,
    u"CLARA"_s,
    u"REGINA"_s,
    u"CONCEIÇÃO"_s,
    u"GLÓRIA"_s,
    u"IRACEMA"_s,
    u"LOURDES"_s,
};

// Includes names with an apostrophe: they must reach the database through the escaping intact.
const QStringList kSurnames = {
    u"SILVA"_s,
    u"SANTOS"_s,
    u"OLIVEIRA"_s,
    u"SOUZA"_s,
    u"RODRIGUES"_s,
    u"FERREIRA"_s,
    u"ALVES"_s,
    u"PEREIRA"_s,
    u"LIMA"_s,
    u"GOMES"_s,
    u"COSTA"_s,
    u"RIBEIRO"_s,
    u"MARTINS"_s,
    u"CARVALHO"_s,
    u"ALMEIDA"_s,
    u"LOPES"_s,
    u"SOARES"_s,
    u"FERNANDES"_s,
    u"VIEIRA"_s,
    u"BARBOSA"_s,
    u"ROCHA"_s,
    u"DIAS"_s,
    u"NASCIMENTO"_s,
    u"ANDRADE"_s,
    u"MOREIRA"_s,
    u"NUNES"_s,
    u"MARQUES"_s,
    u"MACHADO"_s,
    u"MENDES"_s,
    u"FREITAS"_s,
    u"CARDOSO"_s,
    u"RAMOS"_s,
    u"GONÇALVES"_s,
    u"SANTANA"_s,
    u"TEIXEIRA"_s,
    u"ARAÚJO"_s,
    u"CONCEIÇÃO"_s,
    u"PAIXÃO"_s,
    u"FALCÃO"_s,
    u"ROMÃO"_s,
    u"BRANDÃO"_s,
    u"ASSUNÇÃO"_s,
    u"MONTEIRO"_s,
    u"CAMARGO"_s,
    u"BUENO"_s,
    u"PADILHA"_s,
    u"KOWALSKI"_s,
    u"WOJCIK"_s,
    u"ZANELLA"_s,
    u"BORTOLOTTO"_s,
    u"TOMASI"_s,
    u"SCHMIDT"_s,
    u"D'ÁVILA"_s,
    u"DALL'AGNOL"_s,
    u"GUIMARÃES"_s,
    u"MAGALHÃES"_s,
    u"SIMÕES"_s,
    u"ESTEVÃO"_s,
    u"LEMOS"_s,
    u"PRESTES"_s,
    u"QUEIRÓZ"_s,
    u"TAVARES"_s,
};

// Surnames that go with their particle.
const QStringList kJoinedSurnames = { u"DA SILVA"_s, u"DOS SANTOS"_s, u"DE OLIVEIRA"_s, u"DE SOUZA"_s,
    u"DA COSTA"_s, u"DA CONCEIÇÃO"_s, u"DE ALMEIDA"_s, u"DE LIMA"_s, u"DOS REIS"_s, u"DA ROCHA"_s,
    u"DE FREITAS"_s, u"DE ARAÚJO"_s, u"DE JESUS"_s, u"DA CRUZ"_s, u"DE MORAES"_s, u"DAS NEVES"_s };

const QStringList kStreets = {
    u"RUA XV DE NOVEMBRO"_s,
    u"AVENIDA BRASIL"_s,
    u"RUA SETE DE SETEMBRO"_s,
    u"RUA SANTOS DUMONT"_s,
    u"RUA DOM PEDRO II"_s,
    u"RUA TIRADENTES"_s,
    u"RUA PARANÁ"_s,
    u"RUA BAHIA"_s,
    u"RUA JOÃO PESSOA"_s,
    u"AVENIDA GETÚLIO VARGAS"_s,
    u"RUA RUI BARBOSA"_s,
    u"RUA MARECHAL DEODORO"_s,
    u"RUA DAS FLORES"_s,
    u"RUA SÃO PAULO"_s,
    u"RUA CASTRO ALVES"_s,
    u"RUA PADRE ANCHIETA"_s,
    u"RUA BARÃO DO RIO BRANCO"_s,
    u"TRAVESSA DAS ACÁCIAS"_s,
    u"RUA DOS IPÊS"_s,
    u"RUA JOSÉ BONIFÁCIO"_s,
    u"RUA PRINCESA ISABEL"_s,
    u"AVENIDA DR. JOSÉ DE ALMEIDA"_s,
    u"RUA CEL. ANTÔNIO FONSECA"_s,
    u"RUA SANTA CATARINA"_s,
    u"ESTRADA DO BAIRRO DOS PIRES"_s,
    u"RUA MINAS GERAIS"_s,
    u"RUA OLAVO BILAC"_s,
    u"RUA D'ÁVILA LEME"_s,
};

const QStringList kDistricts = {
    u"CENTRO"_s,
    u"VILA NOVA"_s,
    u"JARDIM AMÉRICA"_s,
    u"JARDIM SÃO FRANCISCO"_s,
    u"VILA SÃO JOSÉ"_s,
    u"CONJUNTO HABITACIONAL ESPERANÇA"_s,
    u"JARDIM PRIMAVERA"_s,
    u"VILA OPERÁRIA"_s,
    u"BAIRRO ALTO"_s,
    u"JARDIM EUROPA"_s,
    u"VILA RURAL"_s,
    u"BAIRRO DOS PIRES"_s,
    u"JARDIM IGUAÇU"_s,
    u"VILA APARECIDA"_s,
    u"PARQUE INDUSTRIAL"_s,
    u"ZONA RURAL"_s,
};

const QList<City> kCities = {
    { u"IBAITI"_s, u"84.900-000"_s, u"43"_s, 30 },
    { u"WENCESLAU BRAZ"_s, u"84.950-000"_s, u"43"_s, 12 },
    { u"JAPIRA"_s, u"84.920-000"_s, u"43"_s, 5 },
    { u"PINHALÃO"_s, u"84.925-000"_s, u"43"_s, 5 },
    { u"TOMAZINA"_s, u"84.935-000"_s, u"43"_s, 6 },
    { u"SIQUEIRA CAMPOS"_s, u"84.940-000"_s, u"43"_s, 10 },
    { u"JABOTI"_s, u"84.930-000"_s, u"43"_s, 4 },
    { u"CURIÚVA"_s, u"84.280-000"_s, u"43"_s, 7 },
    { u"FIGUEIRA"_s, u"84.285-000"_s, u"43"_s, 4 },
    { u"CONSELHEIRO MAIRINCK"_s, u"86.480-000"_s, u"43"_s, 3 },
    { u"JOAQUIM TÁVORA"_s, u"86.455-000"_s, u"43"_s, 6 },
    { u"ARAPOTI"_s, u"84.990-000"_s, u"43"_s, 8 },
    { u"SÃO JOSÉ DA BOA VISTA"_s, u"84.980-000"_s, u"43"_s, 4 },
    { u"SANTO ANTÔNIO DA PLATINA"_s, u"86.430-000"_s, u"43"_s, 10 },
};

int cityWeightTotal()
{
    int total = 0;
    for (const City& c : kCities)
        total += c.weight;
    return total;
}

QString digits(Random& rng, int count)
{
    QString out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out += QChar(u'0' + rng.below(10));
    return out;
}

int cpfDigit(const int* d, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += d[i] * (count + 1 - i);
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

bool repeatedDigits(quint64 base)
{
    return base % 111111111 == 0; // 000000000, 111111111 ... 999999999
}
} // namespace

Random::Random(quint64 seed)
{
    for (quint64& s : m_s)
        s = splitmix(seed);
}

quint64 Random::next()
{
    const quint64 result = rotl(m_s[1] * 5, 7) * 9;
    const quint64 t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotl(m_s[3], 45);
    return result;
}

int Random::below(int n)
{
    return static_cast<int>(((next() >> 32) * static_cast<quint64>(n)) >> 32);
}

int Random::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool Random::chance(double p)
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53 < p;
}

int Random::weighted(std::initializer_list<int> weights)
{
    int total = 0;
    for (int w : weights)
        total += w;
    int r = below(total);
    int index = 0;
    for (int w : weights) {
        if (r < w)
            return index;
        r -= w;
        ++index;
    }
    return index - 1;
}

QString sexText(Sex sex)
{
    return sex == Sex::Male ? u"MASCULINO"_s : u"FEMININO"_s;
}

QString firstName(Random& rng, Sex sex)
{
    const QStringList& names = sex == Sex::Male ? kMaleNames : kFemaleNames;
    QString name = rng.pick(names);
    if (rng.chance(0.3)) {
        QString second = rng.pick(names);
        if (second != name)
            name += u' ' + second;
    }
    return name;
}

PersonName personName(Random& rng, Sex sex)
{
    PersonName p;
    const QString middle = rng.chance(0.2) ? rng.pick(kJoinedSurnames) : rng.pick(kSurnames);
    p.family = rng.chance(0.6) ? middle + u' ' + rng.pick(kSurnames) : middle;
    p.full = firstName(rng, sex) + u' ' + p.family;
    return p;
}

QString childName(Random& rng, Sex sex, const QString& family)
{
    return firstName(rng, sex) + u' ' + family;
}

QString cpfText(qint64 index, quint64 seed)
{
    // index -> index * 3^18 + c (mod 10^9) is one-to-one, so distinct indexes never share a
    // number; the ten repeated-digit numbers are moved to the top of the range, never used.
    constexpr quint64 kRange = 1000000000ULL;
    const quint64 shift = (seed * 2654435761ULL) % kRange;
    quint64 slot = static_cast<quint64>(index) % kRange;
    quint64 base = (slot * 387420489ULL + shift) % kRange;
    for (quint64 spare = kRange - 1 - base / 111111111; repeatedDigits(base); spare -= 10)
        base = (spare * 387420489ULL + shift) % kRange;
    int d[11];
    for (int i = 8; i >= 0; --i) {
        d[i] = static_cast<int>(base % 10);
        base /= 10;
    }
    d[9] = cpfDigit(d, 9);
    d[10] = cpfDigit(d, 10);
    QString out;
    out.reserve(14);
    for (int i = 0; i < 11; ++i) {
        if (i == 3 || i == 6)
            out += u'.';
        else if (i == 9)
            out += u'-';
        out += QChar(u'0' + d[i]);
    }
    return out;
}

const QList<City>& cities()
{
    return kCities;
}

int pickCity(Random& rng)
{
    static const int total = cityWeightTotal();
    int r = rng.below(total);
    for (int i = 0; i < kCities.size(); ++i) {
        if (r < kCities[i].weight)
            return i;
        r -= kCities[i].weight;
    }
    return 0;
}

QString mobilePhone(Random& rng, const QString& ddd)
{
    return u'(' + ddd + u")9"_s + digits(rng, 4) + u'-' + digits(rng, 4);
}

QString landlinePhone(Random& rng, const QString& ddd)
{
    return u'(' + ddd + u")35"_s + digits(rng, 2) + u'-' + digits(rng, 4);
}

QString streetName(Random& rng)
{
    return rng.pick(kStreets);
}

QString districtName(Random& rng)
{
    return rng.pick(kDistricts);
}

QString houseNumber(Random& rng)
{
    return rng.chance(0.05) ? u"S/N"_s : QString::number(rng.between(1, 2500));
}

const QStringList& maritalStatuses()
{
    static const QStringList list = { u"SOLTEIRO(A)"_s, u"CASADO(A)"_s, u"DIVORCIADO(A)"_s, u"SEPARADO(A)"_s,
        u"UNIÃO ESTÁVEL"_s, u"VIÚVO(A)"_s };
    return list;
}

QDate birthDate(Random& rng, const QDate& on, int minAge, int maxAge)
{
    const QDate youngest = on.addYears(-minAge);
    const QDate oldest = on.addYears(-maxAge - 1).addDays(1);
    return oldest.addDays(rng.below(static_cast<int>(oldest.daysTo(youngest)) + 1));
}

} // namespace zova::datagen
