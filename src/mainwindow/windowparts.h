// The parts the main window is built of: its controls made at their design
// places and handed to the scaled layout, the colours of their captions,
// the maker's marks, the faces a screen reader sees, and the keys the
// session knows by name.
#pragma once

#include "screenfit.h"
#include "session.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QUrl;
class QWidget;

namespace trulp {

inline const QColor kNavy(0x00, 0x00, 0x80);
inline const QColor kGreen(0x00, 0x80, 0x00);
inline const QColor kPurple(0x80, 0x00, 0x80);
inline const QColor kRed(0xFF, 0x00, 0x00);
inline const QColor kBlue(0x00, 0x00, 0xFF);
inline const QColor kOchre(0x80, 0x60, 0x00);
inline const QColor kTeal(0x00, 0x80, 0x80);

// A coloured text in the colour that reads on its background, now and
// whenever the desktop's palette changes.
void FollowColour(QWidget* w, const QColor& design);

// A button at its design place, its caption's type scaled with the window;
// no button keeps the keyboard focus.
QPushButton* MakeButton(ScaledLayout& layout, const char* name, const QRect& g, const QString& caption,
                        const QColor* colour);
// A label; where a longer text must, it takes `room`, a place around its own.
QLabel* MakeLabel(ScaledLayout& layout, const char* name, const QRect& g, const QString& text,
                  const DesignFont& font = {12}, const QRect& room = {});
// A number in a sunken field, centred.
QLabel* MakeValueField(ScaledLayout& layout, const char* name, const QRect& g, const QString& spoken);

template <class View> View* Place(ScaledLayout& layout, View* view, const QRect& g) {
    view->setGeometry(g);
    layout.add(view);
    return view;
}

// The maker's logo and web address; a click on the address opens it.
void MakeMakerMarks(ScaledLayout& layout, std::function<void(const QUrl&)> open);

// The step box and the mode buttons as a screen reader sees them.
void InstallAccessibleFaces();

// The key as the session knows it.
KeyName NameOfKey(int key);

} // namespace trulp
