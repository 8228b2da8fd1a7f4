#pragma once

#include <QWidget>

#include "parameters/PaperReturnForm.h"
#include "parameters/PaperReturns.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::parameters {

// A paper return on the screen: the grid of the form's rows as the calling list filled them.
// Choosing a row corrects it (the count, then the amount of the chosen column) and the derived
// rows follow; a heading or derived row is refused. The print button prints the official form.
class frmPrijava : public QWidget {
    Q_OBJECT

public:
    frmPrijava(AppContext& context, ReturnPrint print, ReturnGrid grid, QWidget* parent = nullptr);

    const ReturnGrid& grid() const { return grid_; }
    void cmdStampa_Click();

private:
    void showRows();
    void grid_Choose(QTreeWidgetItem* item, int column);
    int firstAmountColumn() const;

    AppContext& context_;
    ReturnPrint print_;
    ReturnGrid grid_;
    QTreeWidget* grdPrijava;
    QLabel* lblRacun;
    QPushButton* cmdStampa;
    QPushButton* cmdIzlaz;
};

// The salary-tax return of a payment.
class frmPorezNaZarade : public frmPrijava {
    Q_OBJECT
public:
    frmPorezNaZarade(AppContext& context, int month, int year, int payment,
                     const TaxReturnInput& figures);
};

// The tax return of the compensations (maternity, sick leave, disability).
class frmPorezNaZaradeOD1 : public frmPrijava {
    Q_OBJECT
public:
    frmPorezNaZaradeOD1(AppContext& context, int month, int year, int payment,
                        const TaxReturnInput& figures);
};

// The contribution return of a payment (PP OD), or of the entrepreneur's own salary (PP OD-P);
// made by openDoprinosi and openDoprinosiPreduzetnik, which need the accounts.
class frmDoprinosi : public frmPrijava {
    Q_OBJECT
public:
    frmDoprinosi(AppContext& context, int month, int year, int payment,
                 const std::vector<ContributionFigures>& columns, const ContributionTerms& terms,
                 ReturnForm form = ReturnForm::Doprinosi);
};

// The contribution return of the compensations; made by openDoprinosiOD1.
class frmDoprinosiOD1 : public frmPrijava {
    Q_OBJECT
public:
    frmDoprinosiOD1(AppContext& context, int month, int year, int payment,
                    const std::vector<ContributionFigures>& columns,
                    const ContributionTerms& terms);
};

// The contribution returns, shown beside `from`; without the six contribution accounts the
// operator is told "Niste uneli uplatne racune!" and nothing opens (nullptr).
frmDoprinosi* openDoprinosi(QWidget* from, AppContext& context, int month, int year, int payment,
                            const std::vector<ContributionFigures>& columns);
// The entrepreneur's return; without parametri_vlasnik "Niste uneli parametre za preduzetnika!".
frmDoprinosi* openDoprinosiPreduzetnik(QWidget* from, AppContext& context, int month, int year,
                                       int payment,
                                       const std::vector<ContributionFigures>& columns);
frmDoprinosiOD1* openDoprinosiOD1(QWidget* from, AppContext& context, int month, int year,
                                  int payment, const std::vector<ContributionFigures>& columns);

} // namespace zarion::parameters
