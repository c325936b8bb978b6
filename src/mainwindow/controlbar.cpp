#include "controlbar.h"

#include "updown.h"
#include "windowparts.h"
#include "words.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace trulp {

namespace {
Input Acting(Act act, bool on = false) {
    Input in;
    in.act = act;
    in.on = on;
    return in;
}
} // namespace

ControlBar::ControlBar(ScaledLayout& layout) : QObject(&layout.window()), layout_(layout) {
    //: The button that opens the help window.
    const QString helpCaption = tr("help");
    controls_[size_t(Act::Help)] = MakeButton(layout, "helpBtn", {488, 8, 65, 28}, helpCaption, nullptr);
    //: Beside the target, the first of three lines read together: "shift until" / "block X" / "is here".
    const QString shiftUntil = tr("shift until");
    QLabel* shiftLabel = MakeLabel(layout, "Label1", {296, 93, 49, 15}, shiftUntil, {12}, {288, 93, 62, 15});
    //: The second of the three lines beside the target: "shift until" / "block X" / "is here".
    const QString blockX = tr("block X");
    goalLabel_ = MakeLabel(layout, "Label5", {304, 110, 39, 15}, blockX, {12}, {288, 110, 62, 15});
    //: The third of the three lines beside the target: "shift until" / "block X" / "is here".
    const QString isHere = tr("is here");
    hereLabel_ = MakeLabel(layout, "Label2", {304, 126, 38, 15}, isHere, {12}, {288, 126, 62, 15});
    // The three lines are read as one sentence: one type size for all.
    layout.group({shiftLabel, goalLabel_, hereLabel_});
    //: The move limit of the search, above its number. Short: about 9 letters.
    const QString limitName = tr("max.move");
    MakeLabel(layout, "Label4", {16, 65, 56, 15}, limitName, {12}, {8, 65, 72, 15});

    QLabel* maxmovetext = MakeValueField(layout, "maxmovetext", {16, 83, 41, 22}, limitName);
    auto* maxmoveUpDown = new UpDown(&layout.window(), kMinMoveLimit, kMaxMoveLimit, kDefaultMoveLimit);
    maxmoveUpDown->setObjectName(QStringLiteral("maxmoveUpDown"));
    maxmoveUpDown->setAccessibleName(limitName);
    maxmoveUpDown->upButton()->setAccessibleName(tr("raise the move limit"));
    maxmoveUpDown->downButton()->setAccessibleName(tr("lower the move limit"));
    Place(layout, maxmoveUpDown, {57, 83, 18, 22});
    maxmoveUpDown->setBoundLabel(maxmovetext);
    controls_[size_t(Act::MoveLimit)] = maxmoveUpDown;

    // Named before its caption is set: the caption brings about its
    // accessible face, which is made for it by name.
    auto* stepcheck = new QCheckBox(&layout.window());
    stepcheck->setObjectName(QStringLiteral("stepcheck"));
    //: The check box for one move at a time. Short: about 6 letters.
    stepcheck->setText(tr("step"));
    stepcheck->setGeometry(80, 80, 49, 17);
    layout.add(stepcheck, {12});
    ScaleWithHeight(stepcheck);
    stepcheck->setFocusPolicy(Qt::NoFocus);
    controls_[size_t(Act::Step)] = stepcheck;

    //: Mode button: the player moves the blocks. Short: about 8 letters.
    const QString playCaption = tr("play");
    auto* play = MakeButton(layout, "playBtn", {16, 112, 65, 28}, playCaption, &kGreen);
    play->setToolTip(tr("find solutions yourself"));
    //: Mode button: the moves list played again. Short: about 8 letters.
    const QString replayCaption = tr("replay");
    auto* replay = MakeButton(layout, "replayBtn", {88, 112, 65, 28}, replayCaption, &kNavy);
    replay->setToolTip(tr("replay moves"));
    //: Mode button: the computer searches. Short: about 8 letters.
    const QString searchCaption = tr("search");
    auto* search = MakeButton(layout, "searchBtn", {160, 112, 65, 28}, searchCaption, &kPurple);
    search->setToolTip(tr("let computer search for solutions"));
    for (QPushButton* b : {play, replay, search})
        b->setCheckable(true);
    controls_[size_t(Act::Play)] = play;
    controls_[size_t(Act::Replay)] = replay;
    controls_[size_t(Act::Search)] = search;

    //: Puts the blocks back at the start. Short: about 8 letters.
    const QString resetCaption = tr("reset");
    controls_[size_t(Act::Reset)] = MakeButton(layout, "resetBtn", {16, 696, 65, 28}, resetCaption, &kRed);
    //: Takes the last move back. Short: about 7 letters.
    const QString backCaption = tr("back");
    controls_[size_t(Act::Back)] = MakeButton(layout, "BackBtn", {288, 696, 57, 28}, backCaption, &kGreen);
    controls_[size_t(Act::Back)]->setToolTip(tr("take the last move back (Backspace)"));
    controls_[size_t(Act::Go)] =
        MakeButton(layout, "goBtn", {360, 696, 57, 28}, Wording::caption(GoCaption::Go), &kGreen);
    //: Opens the search's statistics. Short: about 10 letters.
    const QString statisticsCaption = tr("statistics");
    controls_[size_t(Act::Statistics)] =
        MakeButton(layout, "statBtn", {472, 696, 75, 28}, statisticsCaption, &kNavy);

    // The coach, in the free space beside the move limit and the buttons.
    //: Above the number of moves still needed to reach the goal.
    const QString toGoCaption = tr("to go");
    MakeLabel(layout, "Label8", {144, 65, 40, 15}, toGoCaption)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    togotext_ = MakeValueField(layout, "togotext", {144, 83, 41, 22}, tr("moves to go"));
    //: The coach's hint. Short: about 8 letters.
    const QString hintCaption = tr("hint");
    controls_[size_t(Act::Hint)] = MakeButton(layout, "hintBtn", {96, 696, 65, 28}, hintCaption, &kOchre);
    //: The coach plays the rest of the way. Short: about 8 letters.
    const QString solveCaption = tr("solve");
    controls_[size_t(Act::Solve)] = MakeButton(layout, "solveBtn", {168, 696, 65, 28}, solveCaption, &kTeal);

    // The puzzles: the one played is named beside the moves to go, and a
    // picture below it opens the collection.
    //: Above the name of the puzzle being played.
    const QString puzzleCaption = tr("puzzle");
    MakeLabel(layout, "Label9", {196, 65, 90, 15}, puzzleCaption)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    puzzletext_ = MakeValueField(layout, "puzzletext", {196, 83, 90, 22}, tr("puzzle"));
    // Setting up a puzzle takes the coach's place in the bottom row.
    //: Ends setting up a puzzle and plays it. Short: about 8 letters.
    const QString playItCaption = tr("play it");
    controls_[size_t(Act::SetupDone)] =
        MakeButton(layout, "setupDoneBtn", {96, 696, 65, 28}, playItCaption, &kGreen);
    controls_[size_t(Act::SetupDone)]->setToolTip(tr("play the position set up"));
    //: Gives up setting up a puzzle. Short: about 8 letters.
    const QString cancelCaption = tr("cancel");
    controls_[size_t(Act::SetupCancel)] =
        MakeButton(layout, "setupCancelBtn", {168, 696, 65, 28}, cancelCaption, &kRed);
    controls_[size_t(Act::SetupDone)]->hide();
    controls_[size_t(Act::SetupCancel)]->hide();

    for (const Act act : {Act::Play, Act::Replay, Act::Search, Act::Step})
        connect(static_cast<QAbstractButton*>(controls_[size_t(act)]), &QAbstractButton::clicked, this,
                [this, act](bool on) { emit input(Acting(act, on)); });
    for (const Act act : {Act::Reset, Act::Back, Act::Go, Act::Statistics, Act::Hint, Act::Solve,
                          Act::SetupDone, Act::SetupCancel, Act::Help})
        connect(static_cast<QPushButton*>(controls_[size_t(act)]), &QPushButton::clicked, this,
                [this, act] { emit input(Acting(act)); });
    auto* upDown = limit();
    upDown->onMouseUp = [this, upDown] {
        Input in = Acting(Act::MoveLimit);
        in.value = upDown->position();
        emit input(in);
    };
}

UpDown* ControlBar::limit() const {
    return static_cast<UpDown*>(controls_[size_t(Act::MoveLimit)]);
}

void ControlBar::show(const View& v) {
    auto* go = static_cast<QPushButton*>(controls_[size_t(Act::Go)]);
    if (const QString caption = Wording::caption(v.go); go->text() != caption) {
        go->setText(caption);
        layout_.refit(go);
    }
    for (int a = 0; a < kActs; ++a)
        if (controls_[size_t(a)] != nullptr)
            controls_[size_t(a)]->setEnabled(v.enabled.test(size_t(a)));
    for (const auto& [act, mode] :
         {std::pair{Act::Play, kPlay}, {Act::Replay, kReplay}, {Act::Search, kSearch}})
        static_cast<QPushButton*>(controls_[size_t(act)])->setChecked(v.mode == mode);
    static_cast<QCheckBox*>(controls_[size_t(Act::Step)])->setChecked(v.stepMode);
    // While a puzzle is set up, its two buttons take the coach's places.
    controls_[size_t(Act::Hint)]->setVisible(!v.editing);
    controls_[size_t(Act::Solve)]->setVisible(!v.editing);
    controls_[size_t(Act::SetupDone)]->setVisible(v.editing);
    controls_[size_t(Act::SetupCancel)]->setVisible(v.editing);
    const QString coachTip = v.coach == CoachState::TooLarge ? Wording::coachUnknown() : QString();
    controls_[size_t(Act::Hint)]->setToolTip(coachTip.isEmpty() ? tr("show the best next move") : coachTip);
    controls_[size_t(Act::Solve)]->setToolTip(coachTip.isEmpty() ? tr("play the shortest way to the goal")
                                                                 : coachTip);

    auto* limit = static_cast<UpDown*>(controls_[size_t(Act::MoveLimit)]);
    limit->setRange(kMinMoveLimit, v.moveLimitCeiling);
    limit->setPosition(v.moveLimit);
    if (const QString name = Wording::puzzleName(v.puzzleName); puzzletext_->toolTip() != name) {
        puzzletext_->setText(name);
        layout_.refit(puzzletext_);
        // A long name is cut short where even the smallest font leaves it too wide.
        const int room = puzzletext_->contentsRect().width() - 2 * puzzletext_->indent() - 2;
        const QFontMetrics metrics(puzzletext_->font());
        if (metrics.horizontalAdvance(name) > room)
            puzzletext_->setText(metrics.elidedText(name, Qt::ElideRight, room));
        puzzletext_->setToolTip(name);
        puzzletext_->setAccessibleDescription(name);
    }
    // The goal's pieces beside the target: "block X", "blocks X, Y", or for more "the red blocks".
    QString goal;
    if (v.goalLetters == "X" || v.goalLetters.empty()) {
        goal = tr("block X");
    } else {
        QStringList letters;
        for (char letter : v.goalLetters)
            letters << QString(QLatin1Char(letter));
        if (letters.size() == 1)
            //: Beside the target, the second line, for a puzzle whose goal names one piece: its letter.
            goal = tr("block %1").arg(letters.front());
        else if (letters.size() == 2)
            //: The same for a goal of two pieces: "X, Y".
            goal = tr("blocks %1").arg(letters.join(QStringLiteral(", ")));
        else
            //: The same for a goal of three pieces or more: they are drawn red.
            goal = tr("the red blocks");
    }
    //: The third line beside the target after "blocks X, Y" or "the red blocks": "shift until" / "blocks X, Y" / "are here".
    const QString here = v.goalLetters.size() > 1 ? tr("are here") : tr("is here");
    for (const auto& [label, text] : {std::pair{goalLabel_, goal}, std::pair{hereLabel_, here}})
        if (label->text() != text) {
            label->setText(text);
            layout_.refit(label);
        }
    const QString toGo = v.toGo >= 0                      ? QLocale().toString(v.toGo)
                         : v.coach == CoachState::Waiting ? QStringLiteral("\u2026")
                                                          : QString();
    if (togotext_->text() != toGo) {
        togotext_->setText(toGo);
        layout_.refit(togotext_);
        // A screen reader hears the new count.
        QAccessibleEvent changed(togotext_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (v.coach != CoachState::Waiting)
        togotext_->setToolTip(coachTip);
}

} // namespace trulp
