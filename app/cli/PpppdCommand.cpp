#include "cli/PpppdCommand.h"

#include <memory>
#include <sstream>
#include <stdexcept>

#include "cli/CliTrail.h"
#include "cli/CompanyContext.h"
#include "cli/OutputReports.h"
#include "compensation/SickLeaveDeclaration.h"
#include "compensation/SickLeaveList.h"
#include "core/NumericText.h"
#include "core/trail/Trail.h"
#include "employees/ReportCompany.h"
#include "outputs/DeclarationXml.h"
#include "outputs/PayrollDeclaration.h"
#include "outputs/ReturnFiling.h"

namespace zarion::cli {
namespace {

void usage(std::ostream& err) {
    err << "upotreba: zarion-cli ppppd --firma ID --mesec M [--godina G] [--deo 0|1|2] [--rj ID] "
           "--datum GGGG-MM-DD --xml FAJL [--olaksice POREZ,PIO,ZO,NEZ] [--bolovanje 1] [--base "
           "FOLDER]\n"
           "  --bolovanje 1: naknade za bolovanje preko 30 dana umesto zarada\n";
}

// "70,100,0,0": the relief percentages of tax, PIO, health and unemployment.
outputs::AskRelief reliefOption(const Arguments& args) {
    return [text = args.get("olaksice")] {
        if (!text)
            throw std::runtime_error("Na spisku je novozaposleni sa olaksicom (sifra 101101260): "
                                     "zadajte --olaksice POREZ,PIO,ZO,NEZ");
        std::istringstream in(*text);
        std::string part;
        double values[4] = {};
        for (double& value : values) {
            std::getline(in, part, ',');
            value = numericValue(part);
        }
        return outputs::ReliefPercentages{values[0], values[1], values[2], values[3]};
    };
}

// Writes the return, marks its month filed and names the files written with their full paths.
bool writeReturn(db::Database& payroll, const outputs::Declaration& declaration, const Date& today,
                 const std::string& xml, std::ostream& out, std::ostream& err) {
    const auto written = outputs::writeDeclaration(declaration, today, outputs::chosenFiles(xml));
    if (!written) {
        err << written.message() << "\n";
        return false;
    }
    if (trail::keepsHistory(payroll))
        outputs::recordReturnFiled(payroll, declaration, *written);
    std::vector<std::filesystem::path> absolute;
    for (const auto& path : *written)
        absolute.push_back(std::filesystem::absolute(path));
    out << outputs::exportCompletion(absolute) << "\n";
    return true;
}

} // namespace

int checkAndWrite(const outputs::Declaration& declaration, const outputs::DeclarationRates& rates,
                  db::Database& payroll, const Date& today, const std::string& xml,
                  std::ostream& out, std::ostream& err) {
    const auto findings =
        outputs::checkDeclaration(declaration, rates, outputs::municipalityCodes(payroll),
                                  outputs::checkedTotals(declaration.rows));
    for (const outputs::DeclarationFinding& finding : findings)
        out << outputs::findingLine(declaration, finding) << "\n";
    if (findings.empty())
        out << "Kontrola prijave: bez primedbi\n";
    return writeReturn(payroll, declaration, today, xml, out, err) && !outputs::hasErrors(findings)
               ? 0
               : 1;
}

int ppppdCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    const auto date = args.get("datum");
    const auto xml = args.get("xml");
    const Date paymentDate = date ? dateFromIsoText(*date) : Date{};
    if (!companyId || !xml || paymentDate == Date{}) {
        usage(err);
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    db::Database& payroll = *context->PayrollDb;
    noteCommand(payroll, args, "ppppd");
    try {
        // with --bolovanje the month's sick-leave compensations, paid at once
        const bool sickLeave = args.get("bolovanje").has_value();
        outputs::ListSelection selection = listSelection(args, context->WorkYear);
        if (sickLeave)
            selection.payment = outputs::Payment::Whole;
        const auto list = sickLeave ? compensation::loadLeaveList(
                                          payroll, compensation::LeaveKind::SickLeave, selection)
                                    : outputs::loadPayrollList(payroll, selection);
        if (!list) {
            err << list.message() << "\n";
            return 1;
        }
        const payroll::Settings settings = payroll::loadSettings(payroll);
        std::unique_ptr<outputs::DeclarationProducer> producer;
        if (sickLeave)
            producer = std::make_unique<compensation::LeaveListProducer>(
                *list, compensation::LeaveKind::SickLeave, settings);
        else
            producer = std::make_unique<outputs::PayrollListProducer>(payroll, *list, settings,
                                                                      reliefOption(args));
        auto filled = producer->fill();
        if (!filled) {
            err << filled.message() << "\n";
            return 1;
        }
        const outputs::Declaration declaration =
            outputs::openDeclaration(std::move(filled).value(), outputs::loadPayerData(payroll),
                                     employees::reportCompany(*context).data, paymentDate);
        return checkAndWrite(declaration, outputs::salaryRates(list->rates), payroll, clock.today(),
                             *xml, out, err);
    } catch (const ReportRefusal& refusal) {
        err << refusal.what() << "\n";
        return 1;
    }
}

} // namespace zarion::cli
