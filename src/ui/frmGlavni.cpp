#include "ui/frmGlavni.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

#include "core/AppContext.h"
#include "core/Text.h"
#include "core/trail/Trail.h"
#include "ui/Dialogs.h"
#include "ui/MainMenu.h"
#include "ui/ProgramIcon.h"
#include "ui/WidgetKit.h"
#include "ui/frmStampaci.h"

namespace zarion::ui {
namespace {

// 500 twips between the company caption and the window's right edge.
constexpr int CaptionRightMargin = 33;
constexpr int HeaderHeight = 64;

QFont captionFont(int pointSize = -1, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

frmGlavni::frmGlavni(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , context_(context)
    , mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmGlavni"));
    setWindowIcon(programIcon());
    setFont(captionFont());
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addWidget(mdiArea_, 1);
    setCentralWidget(central);

    buildMenu();
    refreshCompanyHeader();
}

QWidget* frmGlavni::buildHeader() {
    auto* Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedHeight(HeaderHeight);
    picMaliLogo = new QLabel(Picture1);
    picMaliLogo->setObjectName(QStringLiteral("picMaliLogo"));
    lblNatpis = new QLabel(QStringLiteral("Naziv firme"), Picture1);
    lblNatpis->setObjectName(QStringLiteral("lblNatpis"));
    lblNatpis->setFont(captionFont(16, true));
    lblNatpis->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The layout keeps the caption right-aligned at its margin whenever the window resizes.
    auto* layout = new QHBoxLayout(Picture1);
    layout->setContentsMargins(8, 4, CaptionRightMargin, 4);
    layout->addWidget(picMaliLogo);
    layout->addStretch(1);
    layout->addWidget(lblNatpis);
    return Picture1;
}

void frmGlavni::buildMenu() {
    QHash<QString, QMenu*> groups;
    for (const MenuEntry& entry : mainMenu()) {
        const QString name = QString::fromLatin1(entry.name);
        const QString caption = toQ(yuscii(entry.caption));
        QWidget* owner = entry.group ? static_cast<QWidget*>(groups.value(entry.group))
                                     : static_cast<QWidget*>(menuBar());
        QAction* action = nullptr;
        if (entry.kind == MenuEntry::Command) {
            action = new QAction(caption, this);
            action->setEnabled(false);
        } else {
            auto* menu = new QMenu(caption, this);
            menu->setObjectName(name);
            menu->setFont(captionFont());
            groups.insert(name, menu);
            action = menu->menuAction();
            if (entry.kind == MenuEntry::HiddenGroup) {
                action->setVisible(false);
                mnuPopUp = menu;
            } else if (entry.kind == MenuEntry::WindowList) {
                mnuProzori = menu;
                connect(menu, &QMenu::aboutToShow, this, &frmGlavni::mnuProzori_Show);
                connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmGlavni::mnuProzori_Show);
            }
        }
        action->setObjectName(name);
        owner->addAction(action);
        commands_.insert(name, action);
    }
    mnuProzori_Show();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub)
            noteCommand(sub->windowTitle());
    });
    enableCommand(QStringLiteral("mnuStamp"), [this] {
        frmStampaci printers(context_, this);
        printers.exec();
    });
    // Alive only once the auxiliary procedures' window is known (setPomocneFactory).
    connect(command(QStringLiteral("mnuPomocne")), &QAction::triggered, this,
            &frmGlavni::mnuPomocne_Click);
}

QAction* frmGlavni::command(const QString& name) const {
    return commands_.value(name);
}

void frmGlavni::enableCommand(const QString& name, std::function<void()> handler) {
    QAction* action = command(name);
    Q_ASSERT_X(action, "frmGlavni::enableCommand", qPrintable(name));
    if (!action)
        return;
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, action, handler = std::move(handler)] {
        noteCommand(action->text());
        handler();
    });
}

QMdiSubWindow* frmGlavni::showChild(QWidget* window) {
    const bool sized = window->testAttribute(Qt::WA_Resized);
    const QSize wanted = window->size();
    QMdiSubWindow* sub = mdiArea_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    if (sized) // the size the window gave itself, in its frame
        sub->resize(wanted + sub->sizeHint() - window->sizeHint());
    keepInside(sub);
    window->installEventFilter(this);
    window->show();
    mdiArea_->setActiveSubWindow(sub);
    mnuProzori_Show();
    return sub;
}

void frmGlavni::keepInside(QMdiSubWindow* sub) const {
    const QSize area = mdiArea_->viewport()->size();
    sub->resize(sub->size().boundedTo(area));
    const QPoint at(std::clamp(sub->x(), 0, area.width() - sub->width()),
                    std::clamp(sub->y(), 0, area.height() - sub->height()));
    sub->move(at);
}

bool frmGlavni::eventFilter(QObject* watched, QEvent* event) {
    // A window closed from inside (its own Izlaz, Esc) takes its frame with it.
    if (event->type() == QEvent::Close)
        if (auto* window = qobject_cast<QWidget*>(watched))
            if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
                QMetaObject::invokeMethod(
                    sub,
                    [sub, window] {
                        if (!window->isVisible())
                            sub->close();
                    },
                    Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

void frmGlavni::setPomocneFactory(std::function<QWidget*()> factory) {
    pomocneFactory_ = std::move(factory);
    command(QStringLiteral("mnuPomocne"))->setEnabled(static_cast<bool>(pomocneFactory_));
}

void frmGlavni::mnuPomocne_Click() {
    const auto code = askNumber(this, "Unesite {ifru!"_q, QLatin1Char('#'));
    if (code && *code == Currency::fromUnits(PomocneAccessCode) && pomocneFactory_)
        showChild(pomocneFactory_());
}

void frmGlavni::noteCommand(const QString& command) {
    if (!context_.PayrollDb)
        return;
    guarded(this, "noteCommand", [&] {
        trail::setActor(*context_.PayrollDb,
                        {trim(context_.OperatorName + " " + context_.OperatorSurname),
                         fromQ(command.simplified().remove(QLatin1Char('&')))});
    });
}

void frmGlavni::mnuProzori_Show() {
    mnuProzori->clear();
    mnuProzori->addAction("Kaskadno"_q, mdiArea_, &QMdiArea::cascadeSubWindows);
    mnuProzori->addAction("Jedan do drugog"_q, mdiArea_, &QMdiArea::tileSubWindows);
    mnuProzori->addSeparator();
    const auto windows = mdiArea_->subWindowList();
    if (windows.isEmpty())
        mnuProzori->addAction("Nema otvorenih prozora"_q)->setEnabled(false);
    for (QMdiSubWindow* sub : windows) {
        QAction* action = mnuProzori->addAction(sub->windowTitle());
        action->setCheckable(true);
        action->setChecked(sub == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, mdiArea_,
                [area = mdiArea_, sub] { area->setActiveSubWindow(sub); });
    }
}

void frmGlavni::refreshCompanyHeader() {
    const QString caption = toQ(context_.CompanyCaption);
    lblNatpis->setText(caption.isEmpty() ? QStringLiteral("Naziv firme") : caption);
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Zarion")
                                     : QStringLiteral("Zarion – ") + caption);

    const QPixmap logo(QString::fromStdString(context_.logoPath().string()));
    picMaliLogo->setVisible(!logo.isNull());
    if (!logo.isNull())
        picMaliLogo->setPixmap(logo.scaledToHeight(HeaderHeight - 8, Qt::SmoothTransformation));
}

} // namespace zarion::ui
