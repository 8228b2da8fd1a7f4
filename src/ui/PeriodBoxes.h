#pragma once

#include <QStringList>
#include <functional>

class QComboBox;
class QHBoxLayout;
class QWidget;

namespace zarion::ui {

// The month, year and payment a list window shows, chosen in three boxes (cmbMesec, cmbGodina,
// cmbDeo) that stand in one row: "Mesec:", "Godina:", "Isplata:".
class PeriodBoxes {
public:
    // The payments in the order of their numbers, 0 first.
    PeriodBoxes(QWidget* parent, const QStringList& payments);

    // The row of the three boxes with their captions; made once, for the window's layout.
    QHBoxLayout* row() const;
    // Chooses the period without telling `whenChanged`.
    void choose(int year, int month, int payment) const;
    // Calls `changed` whenever the operator chooses another period.
    void whenChanged(QWidget* receiver, const std::function<void()>& changed) const;

    int year() const;
    int month() const;
    int payment() const; // the payment's number, its place in the list

private:
    QWidget* parent_;
    QComboBox* month_;
    QComboBox* year_;
    QComboBox* payment_;
};

} // namespace zarion::ui
