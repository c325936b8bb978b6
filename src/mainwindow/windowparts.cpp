#include "windowparts.h"

#include "hooklabel.h"
#include "maker.h"
#include "theme.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace trulp {

void FollowColour(QWidget* w, const QColor& design) {
    FollowPalette(*w->window(), [w, design] { SetTextColour(w, design); });
}

// Every control is made at its design place and handed to the layout,
// which scales its place and its font with the window.
QPushButton* MakeButton(ScaledLayout& layout, const char* name, const QRect& g, const QString& caption,
                        const QColor* colour) {
    auto* b = new QPushButton(&layout.window());
    // Named before its caption is set: the caption brings about its
    // accessible face, which is made for it by name.
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setGeometry(g);
    layout.add(b, {13, true});
    // Keys belong to the puzzle (Space, Return, arrows, letters), so no
    // button keeps the keyboard focus.
    b->setFocusPolicy(Qt::NoFocus);
    if (colour)
        FollowColour(b, *colour);
    return b;
}

// Where a longer text must, it takes `room`, a place around its own.
QLabel* MakeLabel(ScaledLayout& layout, const char* name, const QRect& g, const QString& text,
                  const DesignFont& font, const QRect& room) {
    auto* l = new QLabel(text, &layout.window());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    layout.add(l, font, room);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// A number in a sunken field, centred.
QLabel* MakeValueField(ScaledLayout& layout, const char* name, const QRect& g, const QString& spoken) {
    auto* l = new QLabel(&layout.window());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAccessibleDescription(spoken);
    layout.add(l, {13});
    return l;
}

namespace {

// The step box and the mode buttons as a screen reader sees them: a check
// box or a toggle button over all of its place, whose action clicks it as
// the mouse does. The stock faces cover only the step box's box and caption,
// and their action only flips a mode button, leaving the mode as it was.
class ToggleAccessible : public QAccessibleWidget {
public:
    ToggleAccessible(QAbstractButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? button()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names << toggleAction() << pressAction();
        return names;
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    const QString name = object->objectName();
    if (className == QLatin1String("QCheckBox") && name == QLatin1String("stepcheck"))
        return new ToggleAccessible(static_cast<QCheckBox*>(object), QAccessible::CheckBox);
    if (className == QLatin1String("QPushButton") &&
        (name == QLatin1String("playBtn") || name == QLatin1String("replayBtn") ||
         name == QLatin1String("searchBtn")))
        return new ToggleAccessible(static_cast<QPushButton*>(object), QAccessible::Button);
    return nullptr;
}

} // namespace

KeyName NameOfKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return KeyName::Left;
    case Qt::Key_Right:
        return KeyName::Right;
    case Qt::Key_Up:
        return KeyName::Up;
    case Qt::Key_Down:
        return KeyName::Down;
    case Qt::Key_Space:
        return KeyName::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyName::Return;
    case Qt::Key_Backspace:
        return KeyName::Backspace;
    case Qt::Key_Escape:
        return KeyName::Escape;
    default:
        return KeyName::Other;
    }
}

void InstallAccessibleFaces() {
    static const bool installed = (QAccessible::installFactory(AccessibleFactory), true);
    (void)installed;
}

void MakeMakerMarks(ScaledLayout& layout, std::function<void(const QUrl&)> open) {
    QWidget& window = layout.window();
    auto* logo = new HookLabel(&window);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setAccessibleName(QStringLiteral("Quorvel"));
    logo->setGeometry(288, 8, 125, 30);
    layout.add(logo);
    // The maker's name is dark: in a dark style the logo keeps its own
    // light background, as pictures do.
    FollowPalette(window, [logo] {
        logo->setPicture(QStringLiteral(":/icons/logo"), !IsDarkPalette(QApplication::palette()));
    });

    // The maker's web address: blue, red and underlined under the pointer.
    auto* link = new HookLabel(&window);
    link->setObjectName(QStringLiteral("Label7"));
    link->setText(QString::fromLatin1(kMakerWebAddress));
    const DesignFont linkFont{12};
    link->setFont(ScaledFont(linkFont, 1));
    // Sized to its text, with room to spare so that it still shows whole
    // in a scaled font.
    link->setGeometry(288, 40, std::max(86, link->sizeHint().width() + 8), 15);
    layout.add(link, linkFont, {288, 40, 140, 15});
    link->setCursor(Qt::PointingHandCursor);
    const auto linkLook = [link](bool hover) {
        QFont f = link->font();
        f.setUnderline(hover);
        link->setFont(f);
        SetTextColour(link, hover ? kRed : kBlue);
    };
    FollowPalette(window, [link] { SetTextColour(link, link->underMouse() ? kRed : kBlue); });
    link->onEnter = [linkLook] { linkLook(true); };
    link->onLeave = [linkLook] { linkLook(false); };
    link->onMouseDown = [open = std::move(open)](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton)
            open(QUrl(QString::fromLatin1(kMakerUrl)));
    };
}

} // namespace trulp
