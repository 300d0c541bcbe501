#include "datagen_holders.h"

#include "core/barcode.h"
#include "core/cpf.h"
#include "core/dates.h"

using namespace Qt::StringLiterals;

namespace zova::datagen {

struct HolderWriter::Holder {
    qint32 id = 0;
    QDate contract;
    Sex sex = Sex::Male;
    PersonName name;
    QDate birth;
    QString marital;
    int city = 0;
    int seller = 0;
    const Plan* plan = nullptr;
    int dueDay = 5;
    Profile profile = Profile::Punctual;
    bool inactive = false;
    QDate horizon; // nothing is paid or settled after it: today, or when an inactive holder stopped
    bool noBooklet = false;
    bool payToday = false;
    bool fee = false;
    int extras = 0;
    int booklet = 0; // index of the current booklet = booklets settled so far
    QDate firstDue;

    QDate due(int installmentIndex) const { return firstDue.addMonths(installmentIndex); }
    // Base value readjusted once per settled booklet, plus the plan's supplements.
    Money baseValue(int bookletIndex) const
    {
        const Money step = plan->readjustment > Money() ? plan->readjustment : Money();
        return plan->value + step * bookletIndex;
    }
    Money installmentValue(int bookletIndex) const
    {
        return baseValue(bookletIndex) + plan->insurance + plan->extraDependent * extras;
    }
};

namespace {
constexpr int kInstallments = 12;

QDate notOnSunday(const QDate& d)
{
    return d.dayOfWeek() == Qt::Sunday ? d.addDays(1) : d;
}

// When the holder pays an installment; a null date when it is never paid.
QDate drawPayment(Random& rng, Profile profile, const QDate& due, const QDate& generated)
{
    double miss = 0.015;
    int earliest = -12, latest = 5;
    if (profile == Profile::Irregular) {
        miss = 0.06;
        earliest = -5;
        latest = 45;
    } else if (profile == Profile::Defaulting) {
        miss = 0.25;
        earliest = 0;
        latest = 75;
    }
    if (rng.chance(miss))
        return {};
    const QDate paid = due.addDays(rng.between(earliest, latest));
    return notOnSunday(paid < generated ? generated : paid);
}

const QStringList kNotes = {
    u"TITULAR SOLICITOU SEGUNDA VIA DO CARNÊ."_s,
    u"MUDOU DE ENDEREÇO, CADASTRO ATUALIZADO."_s,
    u"INFORMOU QUE PAGARÁ AS PARCELAS ATRASADAS NO PRÓXIMO MÊS."_s,
    u"COBRADOR NÃO ENCONTROU NINGUÉM NA RESIDÊNCIA."_s,
    u"SOLICITOU INCLUSÃO DE DEPENDENTE EXTRA."_s,
    u"RECLAMOU DO ATRASO NA ENTREGA DO CARNÊ."_s,
    u"PEDIU PARA TROCAR O DIA DE VENCIMENTO."_s,
    u"TELEFONE ATUALIZADO."_s,
    u"NEGOCIADO PAGAMENTO DAS PARCELAS PENDENTES EM DUAS VEZES."_s,
    u"TITULAR PEDIU PARA FALAR COM O 'SEU' JOÃO NO ESCRITÓRIO."_s,
};

struct Kinship {
    QString grau;
    int weight;
};
const QList<Kinship> kKinships = {
    { u"FILHO(A)"_s, 50 },
    { u"FILHO(A) SOLTEIRO(A)"_s, 8 },
    { u"MÃE"_s, 10 },
    { u"PAI"_s, 6 },
    { u"SOGRO(A)"_s, 4 },
    { u"IRMÃO(Ã)"_s, 4 },
    { u"NETO(A)"_s, 5 },
    { u"EXTRA"_s, 5 },
    { u"SOBRINHO(A)"_s, 2 },
    { u"ENTENADO(A)"_s, 2 },
    { u"TIO(A)"_s, 1 },
    { u"AVÔ(Ó)"_s, 1 },
    { u"CUNHADO(A)"_s, 1 },
    { u"NORA"_s, 1 },
    { u"GENRO"_s, 1 },
    { u"BISNETO(A)"_s, 1 },
    { u"PADRASTO"_s, 1 },
    { u"MADRASTA"_s, 1 },
    { u"OUTROS"_s, 1 },
};

const QString& pickKinship(Random& rng)
{
    static const int total = [] {
        int t = 0;
        for (const Kinship& k : kKinships)
            t += k.weight;
        return t;
    }();
    int r = rng.below(total);
    for (const Kinship& k : kKinships) {
        if (r < k.weight)
            return k.grau;
        r -= k.weight;
    }
    return kKinships.first().grau;
}

// Sex a kinship implies, if any.
std::optional<Sex> kinshipSex(const QString& grau)
{
    static const QStringList male = { u"PAI"_s, u"GENRO"_s, u"PADRASTO"_s };
    static const QStringList female = { u"MÃE"_s, u"NORA"_s, u"MADRASTA"_s };
    if (male.contains(grau))
        return Sex::Male;
    if (female.contains(grau))
        return Sex::Female;
    return std::nullopt;
}

QDate dependentBirth(Random& rng, const QString& grau, const QDate& holderBirth, const QDate& today)
{
    QDate birth;
    if (grau == u"ESPOSO(A)")
        birth = holderBirth.addDays(rng.between(-8 * 365, 8 * 365));
    else if (grau.startsWith(u"FILHO") || grau == u"ENTENADO(A)")
        birth = holderBirth.addDays(rng.between(18 * 365, 42 * 365));
    else if (grau == u"NETO(A)" || grau == u"BISNETO(A)")
        birth = holderBirth.addDays(rng.between(40 * 365, 75 * 365));
    else if (grau == u"MÃE" || grau == u"PAI" || grau == u"SOGRO(A)" || grau == u"AVÔ(Ó)")
        birth = holderBirth.addDays(-rng.between(18 * 365, 40 * 365));
    else
        birth = birthDate(rng, today, 1, 80);
    return birth < today ? birth : today.addDays(-rng.between(30, 3000));
}

const Plan& pickPlan(Random& rng, const QList<Plan>& plans)
{
    int total = 0;
    for (const Plan& p : plans)
        total += p.weight;
    int r = rng.below(total);
    for (const Plan& p : plans) {
        if (r < p.weight)
            return p;
        r -= p.weight;
    }
    return plans.first();
}
} // namespace

HolderWriter::HolderWriter(
    const Output& out, const Registry& registry, const Settings& settings, Ledger& ledger)
    : m_registry(registry)
    , m_settings(settings)
    , m_ledger(ledger)
    , m_clientes(out, u"clientes"_s, 500)
    , m_dependentes(out, u"dependentes"_s)
    , m_boleto(out, u"boleto"_s)
    , m_fechado(out, u"boleto_fechado"_s)
    , m_atrasado(out, u"boleto_atrasado"_s)
    , m_historico(out, u"historico"_s)
    , m_entregue(out, u"carne_entregue"_s)
{
    m_paid = m_boleto.quoted(u"PAGO"_s);
    m_open = m_boleto.quoted(u"PENDENTE"_s);
    for (const QString& form : { u"DINHEIRO"_s, u"PIX"_s, u"BOLETO"_s, u"CARTÃO DÉBITO"_s,
             u"CARTÃO CRÉDITO"_s, u"CHEQUE"_s, u"GRATIFICAÇÃO"_s }) {
        m_paymentForms << m_boleto.quoted(form);
        m_pendingForms << m_boleto.quoted(form == u"DINHEIRO" ? u"À VISTA"_s : form);
    }
}

HolderWriter::Holder HolderWriter::describe(qint32 id, const HolderSetup& setup, Random& rng) const
{
    const QDate& today = m_settings.today;
    Holder h;
    h.id = id;
    h.contract = setup.contract;
    h.sex = rng.chance(0.52) ? Sex::Female : Sex::Male;
    h.name = personName(rng, h.sex);
    const int ageBand = rng.weighted({ 15, 30, 30, 25 });
    static const int bandLow[] = { 18, 30, 45, 60 };
    static const int bandHigh[] = { 29, 44, 59, 85 };
    h.birth = birthDate(rng, h.contract, bandLow[ageBand], bandHigh[ageBand]);
    const QStringList& marital = maritalStatuses();
    h.marital = ageBand == 0 ? marital[rng.weighted({ 80, 15, 0, 0, 5, 0 })]
                             : marital[rng.weighted({ 15, 50, 8, 5, 12, 10 })];
    h.city = pickCity(rng);
    // Sellers who left the company only signed older contracts.
    const bool oldContract = h.contract.daysTo(today) > 2 * 365;
    do
        h.seller = rng.below(static_cast<int>(m_registry.sellers.size()));
    while (!oldContract && !m_registry.sellers[h.seller].active);
    h.plan = &pickPlan(rng, m_registry.plans);
    h.dueDay = 5 * rng.between(1, 5);
    h.profile = setup.profile.value_or(static_cast<Profile>(rng.weighted({ 65, 25, 10 })));
    // Inactive holders stopped paying long enough ago for the batch inactivation to catch them.
    const bool canStop = h.contract.daysTo(today) > 160;
    h.inactive = canStop && setup.inactive.value_or(rng.chance(0.08));
    h.horizon = h.inactive
        ? h.contract.addDays(rng.between(60, static_cast<int>(h.contract.daysTo(today)) - 100))
        : today;
    h.noBooklet = setup.noBooklet;
    h.payToday = setup.payToday && !h.inactive;
    h.fee = !h.noBooklet && (setup.forceFee || rng.chance(m_settings.demo ? 0.6 : 0.4));
    h.firstDue = QDate(h.contract.year(), h.contract.month(), h.dueDay).addMonths(1);
    return h;
}

void HolderWriter::write(qint32 id, const HolderSetup& setup, Random& rng)
{
    Holder h = describe(id, setup, rng);
    m_ledger.holders.push_back(
        { h.name.full, m_clientes.quoted(h.name.full), m_registry.cityCollector[h.city], h.seller });
    addLog(h.id, h.contract, LogKind::Registered, rng);
    writeDependents(h, rng);
    if (!h.noBooklet)
        writeBooklets(h, rng);
    writeHolderRow(h, rng);
    writeExtras(h, rng);
}

void HolderWriter::writeDependents(Holder& h, Random& rng)
{
    const QDate& today = m_settings.today;
    // Individual plans cover the holder alone: anyone else is an extra dependent.
    const bool individual = h.plan->name == u"PLANO INDIVIDUAL";
    const int count = individual ? rng.weighted({ 80, 20 }) : rng.weighted({ 18, 20, 25, 18, 11, 8 });
    const bool married = h.marital == u"CASADO(A)" || h.marital == u"UNIÃO ESTÁVEL";
    for (int i = 0; i < count; ++i) {
        const QString grau = individual ? u"EXTRA"_s
            : (i == 0 && married)       ? u"ESPOSO(A)"_s
                                        : pickKinship(rng);
        Sex sex = rng.chance(0.5) ? Sex::Female : Sex::Male;
        if (grau == u"ESPOSO(A)")
            sex = h.sex == Sex::Male ? Sex::Female : Sex::Male;
        else if (auto implied = kinshipSex(grau))
            sex = *implied;
        const bool descendant = grau.startsWith(u"FILHO") || grau.contains(u"NETO");
        const QString name = descendant ? childName(rng, sex, h.name.family) : personName(rng, sex).full;
        const QDate birth = dependentBirth(rng, grau, h.birth, today);
        const bool adult = birth.daysTo(today) >= 18 * 365;
        const qint64 id = m_nextDependent++;
        if (grau == u"EXTRA")
            ++h.extras;
        m_dependentes.row().num(id).num(h.id).text(name).text(sexText(sex)).text(grau);
        m_dependentes.text(rng.chance(0.05) ? QString() : dateText(birth));
        m_dependentes.text(
            adult && rng.chance(0.7) ? cpfText(100000000 + id, m_settings.seed) : kEmptyCpfMask.toString());
        m_dependentes.null().null().text(rng.chance(0.05) ? u"INATIVO"_s : u"ATIVO"_s).end();
    }
}

void HolderWriter::writeBooklets(Holder& h, Random& rng)
{
    QDate generated = h.contract;
    addLog(h.id, generated, LogKind::Generated, rng, 1);
    for (h.booklet = 0;; ++h.booklet) {
        const QDate lastDue = h.due(kInstallments * h.booklet + kInstallments - 1);
        const QDate settled = notOnSunday(lastDue.addDays(rng.between(1, 25)));
        if (settled > h.horizon)
            break;
        writeSettled(h, h.booklet, generated, settled, rng);
        addLog(h.id, settled, LogKind::Settled, rng);
        addLog(h.id, settled, LogKind::Generated, rng, 1);
        generated = settled;
    }
    writeCurrent(h, h.booklet, generated, rng);
}

// Paid before the settlement: closed with it. Paid afterwards: received as a pending installment.
// Never paid: still pending.
void HolderWriter::writeSettled(
    const Holder& h, int booklet, const QDate& generated, const QDate& settled, Random& rng)
{
    const Money value = h.installmentValue(booklet);
    for (int k = 1; k <= kInstallments; ++k) {
        const int installment = kInstallments * booklet + k;
        const QDate due = h.due(installment - 1);
        const QDate paid = drawPayment(rng, h.profile, due, generated);
        if (paid.isValid() && paid <= h.horizon) {
            const bool late = paid > settled;
            m_fechado.row().num(k).num(h.id).num(installment).money(value).date(due).literal(m_paid);
            m_fechado.date(paid);
            if (late)
                m_fechado.literal(m_pendingForms[rng.weighted({ 50, 25, 5, 8, 6, 4, 2 })]);
            else
                m_fechado.null();
            m_fechado.end();
            m_ledger.cash.push_back({ h.id, installment, dayNumber(due), dayNumber(paid), value.cents(),
                late ? CashKind::PendingInstallment : CashKind::Installment });
        } else {
            m_atrasado.row().num(k).num(h.id).num(installment).money(value).date(due).literal(m_open);
            m_atrasado.null().text(installmentBarcode(h.id, installment)).null().end();
        }
    }
}

void HolderWriter::writeCurrent(const Holder& h, int booklet, const QDate& generated, Random& rng)
{
    const QDate& today = m_settings.today;
    const Money value = h.installmentValue(booklet);
    bool forced = false;
    for (int k = 1; k <= kInstallments; ++k) {
        const int installment = kInstallments * booklet + k;
        const QDate due = h.due(installment - 1);
        QDate paid = drawPayment(rng, h.profile, due, generated);
        if (paid.isValid() && paid > h.horizon)
            paid = QDate();
        if (!paid.isValid() && h.payToday && !forced && due <= today.addDays(30)) {
            paid = today;
            forced = true;
        }
        m_boleto.row().num(k).num(h.id).num(installment).money(value).date(due);
        if (paid.isValid()) {
            m_boleto.literal(m_paid).date(paid).text(installmentBarcode(h.id, installment));
            m_boleto.literal(m_paymentForms[rng.weighted({ 45, 28, 8, 8, 6, 3, 2 })]).end();
            m_ledger.cash.push_back(
                { h.id, installment, dayNumber(due), dayNumber(paid), value.cents(), CashKind::Installment });
        } else {
            m_boleto.literal(m_open).null().text(installmentBarcode(h.id, installment)).null().end();
        }
    }
}

void HolderWriter::writeHolderRow(const Holder& h, Random& rng)
{
    const City& city = cities()[h.city];
    const int tipo = rng.weighted({ 88, 6, 6 });
    static const QString tipos[] = { u"NOVO"_s, u"REATIVADO"_s, u"TRANSFERÊNCIA"_s };
    const QString previousContract
        = tipo == 0 ? kEmptyDateMask.toString() : dateText(h.contract.addDays(-rng.between(365, 3650)));
    const bool used = h.contract.daysTo(m_settings.today) > 90 && rng.chance(0.03);
    const QString contrato = QString::number(h.contract.year()) + u'/'
        + QString::number(h.contract.month()).rightJustified(2, u'0') + u'/'
        + QString::number(h.id).rightJustified(5, u'0');

    BulkInsert& out = m_clientes;
    out.row().num(h.id).text(contrato).text(h.name.full).literal(m_registry.sellers[h.seller].literal);
    out.literal(m_registry.collectors[m_registry.cityCollector[h.city]].literal);
    out.date(h.birth).text(sexText(h.sex)).null().text(cpfText(h.id, m_settings.seed)).text(h.marital);
    out.text(streetName(rng)).text(houseNumber(rng)).text(mobilePhone(rng, city.ddd));
    out.text(rng.chance(0.4) ? mobilePhone(rng, city.ddd) : kEmptyMobileMask.toString());
    out.text(districtName(rng)).text(city.name).text(city.cep).text(u"PR"_s).text(previousContract);
    out.text(h.plan->name).date(h.contract).text(QString::number(h.dueDay)).money(h.baseValue(h.booklet));
    out.text(h.inactive ? u"INATIVO"_s : u"ATIVO"_s).text(tipos[tipo]).text(used ? u"SIM"_s : u"NÃO"_s);
    out.null().num(h.booklet + 1).text(QString());
    if (h.booklet > 0) {
        const QDate lastDue = h.due(kInstallments * h.booklet - 1);
        out.num(kInstallments * h.booklet).text(QString::number(lastDue.month()).rightJustified(2, u'0'));
    } else {
        out.null().null();
    }
    out.num(h.plan->id).end();
}

void HolderWriter::writeExtras(const Holder& h, Random& rng)
{
    const QDate& today = m_settings.today;
    const bool demo = m_settings.demo;
    if (rng.chance(demo ? 0.3 : 0.06)) {
        const int notes = rng.between(1, 3);
        const int span = static_cast<int>(h.contract.daysTo(today));
        QList<int> offsets;
        for (int i = 0; i < notes; ++i)
            offsets << rng.between(0, span);
        std::sort(offsets.begin(), offsets.end());
        for (int i = 0; i < notes; ++i) {
            m_historico.row().num(i + 1).num(h.id).text(rng.pick(kNotes));
            m_historico.date(h.contract.addDays(offsets[i])).end();
        }
    }
    if (!h.noBooklet && !h.inactive && rng.chance(demo ? 0.3 : 0.15))
        m_entregue.row().num(h.id).end();
    if (h.fee) {
        static const qint64 fees[] = { 3000, 5000, 5000, 8000, 10000 };
        const qint32 day = dayNumber(h.contract);
        m_ledger.cash.push_back({ h.id, 0, day, day, fees[rng.below(5)], CashKind::Fee });
    }
}

void HolderWriter::addLog(qint32 holder, const QDate& day, LogKind kind, Random& rng, int afterSecond)
{
    if (day < m_settings.logStart || day > m_settings.today)
        return;
    // A booklet generated right after a settlement is logged just after it.
    const int second = afterSecond >= 0 && !m_ledger.log.empty() ? m_ledger.log.back().second + 60
                                                                 : rng.between(8 * 3600, 18 * 3600 - 120);
    m_ledger.log.push_back({ dayNumber(day), second, holder, kind });
}

void HolderWriter::flush()
{
    for (BulkInsert* t :
        { &m_clientes, &m_dependentes, &m_boleto, &m_fechado, &m_atrasado, &m_historico, &m_entregue })
        t->flush();
}

void HolderWriter::report(DataGenReport& report) const
{
    for (const BulkInsert* t :
        { &m_clientes, &m_dependentes, &m_boleto, &m_fechado, &m_atrasado, &m_historico, &m_entregue })
        report.rows.emplace_back(t->table(), t->rows());
}

} // namespace zova::datagen
