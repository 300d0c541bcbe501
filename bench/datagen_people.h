#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>

namespace zova::datagen {

// xoshiro256** seeded through splitmix64: the same seed gives the same sequence on every
// platform, which std:: distributions do not promise.
class Random {
public:
    explicit Random(quint64 seed);
    quint64 next();
    int below(int n); // 0 .. n-1
    int between(int low, int high); // both included
    bool chance(double p);
    // An index drawn with the given relative weights.
    int weighted(std::initializer_list<int> weights);
    template <typename List> const auto& pick(const List& list)
    {
        return list[below(static_cast<int>(list.size()))];
    }

private:
    quint64 m_s[4];
};

enum class Sex { Male, Female };
QString sexText(Sex sex);

struct PersonName {
    QString full;
    QString family; // the surnames children take
};
PersonName personName(Random& rng, Sex sex);
// A child's name: own first names and the parent's family names.
QString childName(Random& rng, Sex sex, const QString& family);
QString firstName(Random& rng, Sex sex);

// A valid CPF with its mask; different indexes give different numbers (for any seed).
QString cpfText(qint64 index, quint64 seed);

struct City {
    QString name;
    QString cep;
    QString ddd;
    int weight;
};
// Cities of one state (PR), the holders' homes.
const QList<City>& cities();
int pickCity(Random& rng);

// The mask "(99)99999-9999" with nothing typed.
inline constexpr QStringView kEmptyMobileMask = u"(  )     -    ";
QString mobilePhone(Random& rng, const QString& ddd);
QString landlinePhone(Random& rng, const QString& ddd);
QString streetName(Random& rng);
QString districtName(Random& rng);
QString houseNumber(Random& rng);

// Vocabularies of the stored data.
const QStringList& maritalStatuses();
// A birth date of someone aged between minAge and maxAge on the given day.
QDate birthDate(Random& rng, const QDate& on, int minAge, int maxAge);

} // namespace zova::datagen
