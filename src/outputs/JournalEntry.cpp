#include "outputs/JournalEntry.h"

#include <map>
#include <tuple>

#include "core/Text.h"

namespace zarion::outputs {
namespace {

PayrollTotals totalsOf(const std::vector<PayrollRow>& rows) {
    PayrollTotals totals;
    for (const PayrollRow& row : rows)
        totals.add(row);
    return totals;
}

Currency employerExtra(const PayrollTotals& t) {
    return t.doprinosi_ro_f + t.doprinosi_ro_f2 + t.doprinosi_ro_f3;
}
Currency employeeContributions(const PayrollTotals& t) {
    return t.Doprinosi_PIO + t.Doprinosi_zo + t.doprinosi_nezaposlenost;
}
Currency employerContributions(const PayrollTotals& t) {
    return t.Doprinosi_PIO_F + t.Doprinosi_zo_F + t.doprinosi_nezaposlenost_f + employerExtra(t);
}

// Collects the lines in the order they come; with `merged` the amounts of one account, analytic
// code and side are added up into one line.
class LineBook {
public:
    explicit LineBook(bool merged)
        : merged_(merged) {}
    void debit(const std::string& konto, Currency amount, const std::string& text,
               const std::string& analitika = {}) {
        add(konto, analitika, text, amount, {}, 'D');
    }
    void credit(const std::string& konto, Currency amount, const std::string& text,
                const std::string& analitika = {}) {
        add(konto, analitika, text, {}, amount, 'P');
    }
    std::vector<JournalLine> take() { return std::move(lines_); }

private:
    void add(const std::string& konto, const std::string& analitika, const std::string& text,
             Currency debit, Currency credit, char side) {
        if (debit.isZero() && credit.isZero())
            return;
        const auto key = std::make_tuple(konto, analitika, side);
        const auto [place, added] =
            merged_ ? index_.try_emplace(key, lines_.size()) : std::pair{index_.end(), true};
        if (added)
            lines_.push_back({konto, analitika, text, {}, {}, {}});
        JournalLine& line = added ? lines_.back() : lines_[place->second];
        line.duguje += debit;
        line.potrazuje += credit;
    }

    bool merged_;
    std::vector<JournalLine> lines_;
    std::map<std::tuple<std::string, std::string, char>, std::size_t> index_;
};

// The net-pay account of the first scheme by the kind of calculation: on the minimum base
// 45000001, on the maximum base 45000002.
std::string firstSchemeNetAccount(int kind) {
    if (kind == 3)
        return "45000001";
    if (kind == 4)
        return "45000002";
    return "45000000";
}

std::vector<JournalLine> schemeLines(PostingScheme scheme, const PayrollList& list) {
    const PayrollTotals e = totalsOf(list.employees);
    const PayrollTotals o = totalsOf(list.owners);
    const PayrollTotals& all = list.totals;
    LineBook book(true);
    const std::string net = "Obaveze za NETO"_yu;
    const std::string tax = "Porez na zarade"_yu;
    const std::string employee = "Doprinosi na teret radnika"_yu;
    const std::string employer = "Doprinosi na teret poslodavca"_yu;
    const std::string owner = " - vlasnik"_yu;
    // The second and third schemes keep the owners' net and tax on accounts of their own, and the
    // employer's pension and health contributions apart.
    const auto netAndTaxApart = [&] {
        book.credit("45000000", e.NETO, net);
        book.credit("45010000", o.NETO, net + owner);
        book.credit("45100000", e.porez_na_zaradu, tax);
        book.credit("45110000", o.porez_na_zaradu, tax + owner);
    };
    const auto employerPensionAndHealth = [&] {
        book.credit("45300000", all.Doprinosi_PIO_F, "PIO na teret poslodavca"_yu);
        book.credit("45310000", all.Doprinosi_zo_F, "ZO na teret poslodavca"_yu);
    };
    switch (scheme) {
    case PostingScheme::First:
        for (const PayrollRow& row : list.employees)
            book.credit(firstSchemeNetAccount(row.calc.tip_obracuna), row.calc.NETO,
                        net + " - " + row.fullName(), std::to_string(row.id_radnik));
        book.credit("45100000", all.porez_na_zaradu, tax);
        book.credit("45200000", employeeContributions(all), employee);
        book.credit("45300000", employerContributions(all), employer);
        book.debit("52000000", e.BRUTO, "Bruto zarade"_yu);
        book.debit("52100000", employerContributions(e), employer);
        book.debit("52400000",
                   o.porez_na_zaradu + employeeContributions(o) + employerContributions(o),
                   "Porez i doprinosi vlasnika"_yu);
        break;
    case PostingScheme::Second:
        netAndTaxApart();
        book.credit("45200000", e.Doprinosi_PIO, "PIO na teret radnika"_yu);
        book.credit("45210000", e.Doprinosi_zo, "ZO na teret radnika"_yu);
        book.credit("45220000", e.doprinosi_nezaposlenost, "NEZ na teret radnika"_yu);
        book.credit("45230000", o.Doprinosi_PIO, "PIO"_yu + owner);
        book.credit("45240000", o.Doprinosi_zo, "ZO"_yu + owner);
        book.credit("45250000", o.doprinosi_nezaposlenost, "NEZ"_yu + owner);
        employerPensionAndHealth();
        book.credit("48950000", all.doprinosi_nezaposlenost_f, "NEZ na teret poslodavca"_yu);
        book.credit("48960000", employerExtra(all), "Dodatni doprinosi poslodavca"_yu);
        book.debit("52000000", e.BRUTO, "Bruto zarade"_yu);
        book.debit("52010000", o.BRUTO, "Bruto zarade"_yu + owner);
        book.debit("52100000", employerContributions(all), employer);
        break;
    case PostingScheme::Third:
        netAndTaxApart();
        book.credit("45200000", e.Doprinosi_PIO, "PIO na teret radnika"_yu);
        book.credit("45201000", o.Doprinosi_PIO, "PIO"_yu + owner);
        book.credit("45210000", e.Doprinosi_zo, "ZO na teret radnika"_yu);
        book.credit("45211000", o.Doprinosi_zo, "ZO"_yu + owner);
        book.credit("45220000", e.doprinosi_nezaposlenost, "NEZ na teret radnika"_yu);
        book.credit("45221000", o.doprinosi_nezaposlenost, "NEZ"_yu + owner);
        employerPensionAndHealth();
        book.credit("48920000", all.doprinosi_nezaposlenost_f + employerExtra(all),
                    "NEZ i dodatni doprinosi poslodavca"_yu);
        book.debit("52000000", e.BRUTO, "Bruto zarade"_yu);
        book.debit("52001000", o.BRUTO, "Bruto zarade"_yu + owner);
        book.debit("52010000", employerContributions(e), employer);
        book.debit("52100000", employerContributions(o), employer + owner);
        break;
    case PostingScheme::Free:
        break;
    }
    return book.take();
}

// The amounts of the items in the order of journalItemFields.
std::array<Currency, JournalItemCount> itemAmounts(const PayrollList& list) {
    const PayrollTotals e = totalsOf(list.employees);
    const PayrollTotals o = totalsOf(list.owners);
    return {e.NETO,
            e.porez_na_zaradu,
            e.Doprinosi_PIO_F,
            e.Doprinosi_zo_F,
            e.doprinosi_nezaposlenost_f,
            e.Doprinosi_PIO,
            e.Doprinosi_zo,
            e.doprinosi_nezaposlenost,
            o.NETO,
            o.porez_na_zaradu,
            o.Doprinosi_PIO,
            o.Doprinosi_zo,
            o.doprinosi_nezaposlenost};
}

} // namespace

std::string JournalLine::fullAccount() const {
    return analitika.empty() ? konto : konto + "-" + analitika;
}

std::string accountName(db::Database& payroll, const std::string& konto) {
    db::Statement st = payroll.prepare("SELECT Opis FROM konto WHERE konto = ?");
    st.bindAll(trim(konto));
    return st.step() ? st.text(0) : std::string();
}

std::vector<JournalLine> itemLines(const std::vector<JournalItem>& items,
                                   const PayrollList* netByEmployee) {
    LineBook book(false);
    for (const JournalItem& item : items) {
        book.debit(item.debit, item.amount, item.label);
        if (item.id == 1 && netByEmployee) {
            for (const PayrollRow& row : netByEmployee->employees)
                book.credit(item.credit, row.calc.NETO, item.label + " - " + row.fullName(),
                            std::to_string(row.id_radnik));
        } else {
            book.credit(item.credit, item.amount, item.label);
        }
    }
    return book.take();
}

JournalEntry buildJournal(db::Database& payroll, const JournalSettings& settings,
                          const PayrollList& list, bool netByEmployee) {
    JournalEntry entry;
    const PostingScheme scheme = settings.scheme.value_or(PostingScheme::Free);
    if (scheme == PostingScheme::Free) {
        const auto amounts = itemAmounts(list);
        const auto& fields = journalItemFields();
        const std::size_t count = list.owners.empty() ? 8 : JournalItemCount;
        for (std::size_t i = 0; i < count; ++i)
            entry.items.push_back({yuscii(fields[i].label), settings.debit[i], settings.credit[i],
                                   amounts[i], static_cast<int>(i + 1),
                                   accountName(payroll, settings.debit[i]),
                                   accountName(payroll, settings.credit[i])});
        entry.lines = itemLines(entry.items, netByEmployee ? &list : nullptr);
    } else {
        entry.lines = schemeLines(scheme, list);
    }
    for (JournalLine& line : entry.lines)
        line.opis_konta = accountName(payroll, line.konto);
    return entry;
}

} // namespace zarion::outputs
