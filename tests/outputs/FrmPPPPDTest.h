#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "Controls.h"
#include "SampleDeclaration.h"
#include "TemplateDatabase.h"
#include "core/AppContext.h"
#include "outputs/frmPPPPD.h"

namespace zarion::test {

using outputs::Col;
using zarion::testing::control;

// The PPP-PD window of March 2026 filled with the regular and the lowest-base salary, the
// payer's record typed in where the company's data left it empty.
struct FilledReturn {
    TempDir base;
    TemplateDatabase payroll;
    FixedClock clock{{{2026, 4, 9}, 9, 0, 0}};
    AppContext context{clock};
    std::unique_ptr<outputs::frmPPPPD> window;

    FilledReturn() {
        payroll->run("INSERT INTO podaci_ppppd(sifra_opstine, email, uk_radnika, tip_isplatioca) "
                     "VALUES ('013', 'plate@firma.rs', 12, '1 - Pravno lice')");
        for (int code : {7, 13, 234}) // the template's list may hold them already
            payroll->run("INSERT INTO opstine(SIFRA, Naziv) SELECT ?1, 'Opstina' WHERE NOT EXISTS "
                         "(SELECT 1 FROM opstine WHERE SIFRA = ?1)",
                         code);
        context.BaseFolder = base.path();
        context.PayrollDb = db::Database::open(payroll->path());
        window = std::make_unique<outputs::frmPPPPD>(context);
        outputs::DeclarationFill fill;
        fill.year = 2026;
        fill.month = 3;
        fill.rows = {regularSalary(), lowestBaseSalary()};
        fill.rows[0][Col::BrojEfektivnihSati] = "168";
        fill.finalPart = true;
        window->fill(fill,
                     {10, 24, 10.3, 0.75, Currency::parse("51297"), Currency::parse("732820")});
        // the company record the window found empty, typed in
        for (const auto& [name, value] :
             {std::pair{"POD22", "101234567"}, std::pair{"POD25", "07654321"},
              std::pair{"POD26", "Zarion d.o.o."}, std::pair{"POD29", "Žička 5"}})
            edit(name)->setText(QString::fromUtf8(value));
        window->show();
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(window.get(), name); }
    QTreeWidget* list() { return control<QTreeWidget>(window.get(), "listPPPPD"); }
    void click(const char* button) {
        QTest::mouseClick(control<QPushButton>(window.get(), button), Qt::LeftButton);
    }
    QString total(int column) {
        return edit(QStringLiteral("txtUk%1").arg(column).toLatin1().constData())->text();
    }
    std::filesystem::path exported() const { return base.path() / "drive" / "E" / "ppppd.xml"; }
};

} // namespace zarion::test
