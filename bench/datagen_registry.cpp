#include "datagen_bulk.h"
#include "datagen_internal.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace zova::datagen {

namespace {
QList<Plan> plans()
{
    return {
        { 1, u"PLANO FAMÍLIA"_s, u"TITULAR, CÔNJUGE, FILHOS SOLTEIROS ATÉ 21 ANOS, PAIS E SOGROS."_s,
            Money::fromCents(5990), Money::fromCents(300), Money::fromCents(800), Money::fromCents(450), 45 },
        { 2, u"PLANO INDIVIDUAL"_s, u"COBERTURA APENAS PARA O TITULAR."_s, Money::fromCents(2990),
            Money::fromCents(200), Money::fromCents(990), Money(), 22 },
        { 3, u"PLANO OURO"_s,
            u"PLANO FAMÍLIA COM URNA ESPECIAL, COROA DE FLORES, TRANSLADO ATÉ 300 KM E CAPELA "
            "MORTUÁRIA."_s,
            Money::fromCents(9990), Money::fromCents(500), Money::fromCents(1200), Money::fromCents(790),
            10 },
        { 4, u"PLANO PRATA"_s, u"PLANO FAMÍLIA COM TRANSLADO ATÉ 100 KM."_s, Money::fromCents(7490),
            Money::fromCents(400), Money::fromCents(1000), Money(), 15 },
        { 5, u"PLANO EMPRESARIAL"_s, u"CONVÊNIO COM EMPRESAS DA REGIÃO; SEM REAJUSTE ANUAL."_s,
            Money::fromCents(4490), Money(), Money::fromCents(650), Money::fromCents(300), 8 },
    };
}

void writePlans(BulkInsert& out, const QList<Plan>& list)
{
    for (const Plan& p : list) {
        out.row().num(p.id).text(p.name).text(p.description).money(p.value).money(p.readjustment);
        out.money(p.extraDependent).money(p.insurance).end();
    }
}

// Collectors and sellers share their columns; names are unique because holders store them.
QList<Staff> writeStaff(BulkInsert& out, Random& rng, const Settings& s, int count, int inactive,
    qint64 cpfBase, const QList<int>& homeCities, QSet<QString>& taken)
{
    QList<Staff> staff;
    for (int i = 0; i < count; ++i) {
        const Sex sex = rng.chance(0.5) ? Sex::Male : Sex::Female;
        QString name;
        do
            name = personName(rng, sex).full;
        while (taken.contains(name));
        taken.insert(name);
        const bool active = i < count - inactive;
        const City& city = cities()[homeCities[i % homeCities.size()]];
        out.row().num(i + 1).text(name).date(birthDate(rng, s.today, 22, 60)).text(sexText(sex));
        out.text(QString::number(rng.between(1000000, 9999999)) + u'-' + QString::number(rng.below(10)));
        out.text(cpfText(cpfBase + i, s.seed)).text(rng.pick(maritalStatuses())).text(streetName(rng));
        out.text(houseNumber(rng)).text(districtName(rng)).text(city.name).text(u"PR"_s).text(city.cep);
        out.text(landlinePhone(rng, city.ddd)).text(mobilePhone(rng, city.ddd));
        out.text(active ? u"ATIVO"_s : u"INATIVO"_s).end();
        staff.append({ name, out.quoted(name), active });
    }
    out.flush();
    return staff;
}

QList<Operator> operators()
{
    return {
        { u"ADMINISTRADOR"_s, u"admin"_s, u"1234"_s },
        { u"MARIA APARECIDA SOUZA"_s, u"maria"_s, u"4321"_s },
        { u"JOÃO CARLOS PEREIRA"_s, u"joao"_s, u"2580"_s },
    };
}
} // namespace

Registry writeRegistry(const Output& out, Random& rng, const Settings& s, DataGenReport& report)
{
    Registry reg;
    reg.plans = plans();
    BulkInsert planos(out, u"planos"_s);
    writePlans(planos, reg.plans);
    planos.flush();

    // The first nine collectors share the cities between them; the last one left the company.
    const int cityCount = static_cast<int>(cities().size());
    QList<int> collectorHomes;
    for (int c = 0; c < 9; ++c)
        collectorHomes << c;
    for (int city = 0; city < cityCount; ++city)
        reg.cityCollector << city % 9;
    QList<int> allCities;
    for (int city = 0; city < cityCount; ++city)
        allCities << city;

    QSet<QString> taken;
    BulkInsert cobradores(out, u"cobradores"_s);
    reg.collectors = writeStaff(cobradores, rng, s, 10, 1, 500000000, collectorHomes, taken);
    BulkInsert vendedores(out, u"vendedores"_s);
    reg.sellers = writeStaff(vendedores, rng, s, 10, 2, 500001000, allCities, taken);

    reg.operators = operators();
    BulkInsert operador(out, u"operador"_s);
    const QDate since = s.today.addYears(s.demo ? -3 : -6);
    for (const Operator& op : reg.operators)
        operador.row().text(op.name).text(op.password).text(op.login).date(since).end();
    operador.flush();

    BulkInsert parametros(out, u"parametros"_s);
    parametros.row().num(90).num(90).end();
    parametros.flush();

    for (const BulkInsert* t : { &planos, &cobradores, &vendedores, &operador, &parametros })
        report.rows.emplace_back(t->table(), t->rows());
    return reg;
}

} // namespace zova::datagen
