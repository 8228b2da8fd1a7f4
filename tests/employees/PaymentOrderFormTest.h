#pragma once

// moc reads only this header; the test's own includes stay in the .cpp.
#include <QObject>

class PaymentOrderFormTest : public QObject {
    Q_OBJECT

private slots:
    void printedOrderShowsAmountAccountsAndPurpose();
    void longTextsWrapInsideTheirBoxes();
};
