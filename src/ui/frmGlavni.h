#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace zarion {
struct AppContext;
}

namespace zarion::ui {

// The main window: the menu, the company caption and logo, and the area that holds the child
// windows. Every command starts disabled; the code that brings its window to life enables it:
//   glavni.enableCommand("mnuZaposleni", [&] { glavni.showChild(new frmZaposleni(context)); });
class frmGlavni : public QMainWindow {
    Q_OBJECT

public:
    // The code that opens the auxiliary procedures.
    static constexpr int PomocneAccessCode = 7269;

    explicit frmGlavni(AppContext& context, QWidget* parent = nullptr);

    AppContext& context() const { return context_; }

    // A command or group of the menu by its name (mnuZaposleni); nullptr for an unknown name.
    QAction* command(const QString& name) const;
    // Enables the command and runs the handler whenever the operator chooses it.
    void enableCommand(const QString& name, std::function<void()> handler);
    // The hidden pop-up menu (mnuPo, mnuOO) that the calculation windows show on a right click.
    QMenu* popupMenu() const { return mnuPopUp; }

    QMdiArea* mdiArea() const { return mdiArea_; }
    // Shows a window as a child of the main window; the child is deleted when closed.
    QMdiSubWindow* showChild(QWidget* window);

    // Makes "Pomocne procedure" open the window the factory makes, after the access code.
    void setPomocneFactory(std::function<QWidget*()> factory);

    // Company caption and logo from the working context.
    void refreshCompanyHeader();

private:
    void buildMenu();
    QWidget* buildHeader();
    void mnuPomocne_Click();
    // The window list, always with the arranging commands so the menu never opens empty.
    void mnuProzori_Show();
    // The history of changes names the signed-in operator and the command or window in use.
    void noteCommand(const QString& command);
    // Keeps a child window inside the workspace and no larger than it.
    void keepInside(QMdiSubWindow* sub) const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& context_;
    QHash<QString, QAction*> commands_;
    QMdiArea* mdiArea_;
    QMenu* mnuPopUp = nullptr;
    QMenu* mnuProzori = nullptr;
    QLabel* lblNatpis = nullptr;
    QLabel* picMaliLogo = nullptr;
    std::function<QWidget*()> pomocneFactory_;
};

} // namespace zarion::ui
