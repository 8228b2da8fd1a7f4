#pragma once

#include <QWidget>
#include <functional>

#include "compensation/DisabledLists.h"

class QComboBox;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The disabled persons' compensations of a month and their printouts: the refund list, the list
// of paid compensations, the recapitulation by account and the one of payment accounts.
class frmSpisakZaradaInvalidi : public QWidget {
    Q_OBJECT

public:
    explicit frmSpisakZaradaInvalidi(AppContext& context, QWidget* parent = nullptr);

    void UcitajObracune();
    using Printout = std::function<report::Document(const DisabledPrint&, const DisabledMonth&)>;
    void print(const Printout& printout);
    void cmdRekapRacuna_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    DisabledMonth month_;
    QComboBox* cmbMesec;
    QComboBox* cmbGodina;
    QTreeWidget* listS;
};

} // namespace zarion::compensation
