// The printouts and the return of the chosen order, opened from the order-and-person window.
#include "core/AppContext.h"
#include "core/Text.h"
#include "other_income/OtherIncomeDeclaration.h"
#include "other_income/OtherIncomeKinds.h"
#include "other_income/OtherIncomePaymentOrders.h"
#include "other_income/frmUgovorODelu.h"
#include "outputs/frmPPPPD.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "parameters/frmPrijava.h"
#include "payroll/Settings.h"
#include "report/CompanyHeader.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;

std::optional<PaidOrder> frmUgovorODelu::paidOrder() {
    if (!order_) {
        message(this, "Izaberite nalog!"_q, Icon::Exclamation);
        return std::nullopt;
    }
    auto paid = loadPaidOrder(*context_.PayrollDb, order_->id_noz);
    if (!paid) {
        showRefusal(this, paid.refusal());
        return std::nullopt;
    }
    return std::move(paid).value();
}

outputs::ListPrint frmUgovorODelu::listPrint() const {
    outputs::ListPrint print;
    if (context_.CompanyMasterDb)
        if (const auto company = report::readCompanyData(*context_.CompanyMasterDb))
            print.company = *company;
    print.logo = context_.logoPath();
    return print;
}

void frmUgovorODelu::cmdSpisak_Click() {
    guarded(this, "cmdSpisak_Click", [&] {
        if (const auto paid = paidOrder())
            report::showPreview(this, payList(listPrint(), *paid), context_.PrinterName);
    });
}

void frmUgovorODelu::cmdDoprinosi_Click() {
    guarded(this, "cmdDoprinosi_Click", [&] {
        const auto paid = paidOrder();
        if (!paid)
            return;
        const Date d = paid->order.Datum;
        const auto date = askDate(this, "Unesite datum isplate!"_q, QDate(d.year, d.month, d.day));
        if (!date)
            return;
        report::showPreview(
            this,
            contributionsReport(listPrint(), *paid, {date->year(), date->month(), date->day()}),
            context_.PrinterName);
    });
}

void frmUgovorODelu::cmdPoreska_Click() {
    guarded(this, "cmdPoreska_Click", [&] {
        if (const auto paid = paidOrder())
            showBeside(this, new parameters::frmPorezNaZarade(context_, paid->order.Datum.month,
                                                              paid->order.Datum.year, 1,
                                                              orderTaxFigures(*paid)));
    });
}

void frmUgovorODelu::cmdSpecifikacija_Click() {
    guarded(this, "cmdSpecifikacija_Click", [&] {
        const auto paid = paidOrder();
        if (!paid)
            return;
        const auto lines = orderTaxByMunicipality(*paid, municipalityNames(*context_.PayrollDb));
        report::showPreview(this, outputs::municipalityTaxList(listPrint(), lines),
                            context_.PrinterName);
    });
}

void frmUgovorODelu::cmdPPPPD_Click() {
    guarded(this, "cmdPPPPD_Click", [&] {
        const auto paid = paidOrder();
        if (!paid)
            return;
        DeclarationAnswers answers;
        const auto code = askText(this, "Unesite {ifru vrste prihoda"_q,
                                  kind_ == AdvanceKind ? QString(AdvanceIncomeCode) : QString());
        if (!code)
            return;
        answers.incomeCode = trim(fromQ(*code));
        const payroll::Settings settings = payroll::loadSettings(*context_.PayrollDb);
        if (settings.fiksni_sati != 0) {
            answers.hoursFund = settings.fiksni_sati;
        } else if (!severance()) {
            const auto hours = askNumber(this, "Unesite br sati u mesecu!"_q);
            if (!hours)
                return;
            answers.hoursFund = static_cast<int>(hours->round0().raw() / Currency::Scale);
        }
        OrderDeclaration producer(*paid, answers);
        auto filled = producer.fill();
        if (!filled) {
            showRefusal(this, filled.refusal());
            return;
        }
        auto* window = new outputs::frmPPPPD(context_);
        window->fill(std::move(filled).value(), orderRates(paid->order));
        showBeside(this, window);
    });
}

void frmUgovorODelu::cmdNalozi_Click() {
    guarded(this, "cmdNalozi_Click", [&] {
        const auto paid = paidOrder();
        if (!paid)
            return;
        const auto generated =
            ordersFromOrder(*context_.PayrollDb, context_.CompanyMasterDb.get(), *paid);
        if (!generated) {
            showRefusal(this, generated.refusal());
            return;
        }
        message(this, toQ(outputs::ordersGeneratedMessage()), Icon::Information);
    });
}

void frmUgovorODelu::cmdRekapRacuna_Click() {
    guarded(this, "cmdRekapRacuna_Click", [&] {
        const auto paid = paidOrder();
        if (!paid)
            return;
        outputs::openAccountsRecapitulation(
            this, context_,
            outputs::otherIncomeAccountsSource(*context_.PayrollDb, paid->order.tip_noz,
                                               orderPaidOut(*paid)));
    });
}

} // namespace zarion::other_income
