#pragma once

#include "controls.h"
#include "core/need.h"
#include "form_runtime.h"

#include <QPointer>
#include <QWidget>
#include <array>

enum class HintTarget;
struct CareEffect;
struct PetRecord;

// The pet's one window. Its controls and five form-level variables are the
// whole state of the program; the handlers that work on them live beside the
// rules they apply: start-up and saving in pet/, the need clock and the care
// outcomes in needs/, the buttons, the choice panel and the hints in
// interaction/, the care run in animation/.
class frmForm : public QWidget {
    Q_OBJECT
public:
    explicit frmForm(PlatformServices& services, QWidget* parent = nullptr);

    // The window-load event: start-up, before the window is first shown.
    void load();
    FormRuntime& runtime() { return runtime_; }
    // The desktop ends the program: it saves as closing the window does.
    void endRequested();
    // Keeps the save of the pet ready for an end that leaves no time to read
    // the window, and runs it there, from any thread.
    void keepUnloadReady();
    void unloadFromAnyThread() { runtime_.unloadFromAnyThread(); }
    // Another start of the program found this window keeping the pet.
    void comeForward();

    // Controls, in the stacking order of the window (earlier lies above).
    FormTimer* tmrMove;
    PictureBox* picS;
    Label* lblSHe;
    Label* lblW5;
    Label* lblSS;
    Label* lblW4;
    Label* lblSI;
    Label* lblW3;
    Label* lblSD;
    Label* lblW2;
    Label* lblSH;
    Label* lblW1;
    PictureBox* picW1;
    PictureBox* picW2;
    PictureBox* picW3;
    PictureBox* picW4;
    PictureBox* picW5;
    Image* imgS0;
    Image* imgS1;
    Image* imgS2;
    Image* imgS3;
    FormTimer* tmrM;
    PictureBox* picMain;
    Image* imgHideImg;
    Image* imgHideBut;
    Label* lblaD;
    Label* lbllAge;
    Image* imgStatic;
    Label* lblSTR;
    Image* imgTreat;
    Image* imgSleep;
    Image* imgPlay;
    Image* imgDrink;
    Image* imgEat;

    // Form-level variables.
    QString AppFolder;
    qint16 IdleFrame = 0;
    qint16 ActionKind = 0;
    qint16 ChoiceIndex = 0;
    qint16 FrameCounter = 0;

    const QPixmap& picture() const { return picture_; }

    // Helpers over the controls.
    // A file of the folder G by its name, where it really lives.
    QString picturePath(const QString& fileName) const;
    QPixmap loadPicture(const QString& fileName) const;
    Label* needLabel(Need need) const;
    double needValue(Need need) const;
    void setNeed(Need need, double value);
    std::array<Image*, 4> choiceImages() const { return {imgS0, imgS1, imgS2, imgS3}; }
    std::array<Label*, 10> panelLabels() const {
        return {lblW1, lblW2, lblW3, lblW4, lblW5, lblSH, lblSD, lblSI, lblSS, lblSHe};
    }
    // The plates the captions lblW1 to lblW5 stand on, each with its icon.
    std::array<PictureBox*, 5> needPlates() const { return {picW1, picW2, picW3, picW4, picW5}; }
    // What Tab visits: the button column top to bottom, then the choices left
    // to right, each while a mouse could click it.
    std::array<Image*, 10> tabOrder() const {
        return {imgStatic, imgEat, imgDrink, imgPlay, imgSleep,
                imgTreat,  imgS0,  imgS1,    imgS2,   imgS3};
    }

    // Start-up and saving (pet/).
    void Form_Load();
    void Form_Unload();
    // The window-unload work for the pet the window shows now, as work that
    // no longer reads the window.
    std::function<void()> saveOfShownPet() const;

    // Need clock and care outcomes (needs/).
    void tmrM_Timer();
    void imgS_Click(qint16 n);

    // Action menu, choice panel and hover hints (interaction/).
    void imgEat_Click();
    void imgDrink_Click();
    void imgPlay_Click();
    void imgSleep_Click();
    void imgTreat_Click();
    void imgStatic_Click();
    // Shows the first `count` choice images, one per option, and hides the rest.
    void imagsSVisT(int count);
    void imagsSVisF();
    void lblsSVisT();
    void lblsSVisF();
    void showHint(HintTarget target);

    // Care animation (animation/).
    void PrepareForMove();
    void StopMove();
    void tmrMove_Timer();

protected:
    void paintEvent(QPaintEvent* event) override;
    // The pointer over the window's own surface: a hover hint (interaction/).
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // Every control that explains itself in the status line, and each
    // button's hint as what a screen reader says about it.
    void connectHints();
    void setUpKeyboard();
    // What a user without the mouse hears and where the focus goes after a
    // press: the care buttons lead to their choices, the data button has the
    // needs said, and every choice has the pet's answer said.
    void connectSpokenFeedback();
    void choose(qint16 n);
    void leadToChoices();
    void speakNeeds();
    // The operable control after (or before) `from` in Tab order, if any.
    Image* nextOperable(QWidget* from, bool next) const;
    // Moves the focus on when its control has been covered or hidden, once
    // the handler that did so has finished: a run's end hides the choices one
    // by one, and the focus should not pass through each of them.
    void checkFocusLater();
    void keepFocusOperable();
    void onEvent(void (frmForm::*handler)());

    // Start-up's steps, each run inside its error trap.
    void startUp();
    void showStoredPet(const PetRecord& pet);
    void showStoredNeeds(const PetRecord& pet);
    void applyDaysAway(int daysAway);
    void announceOldAge();
    void announceNeglect();
    void writeFreshPet();

    // The action's options in the choice panel: four pictures, one for sleep.
    void offerChoices(qint16 actionKind);
    // The pet's answer in the status line.
    void answer(const QString& text);
    void applyCareEffect(const CareEffect& effect);

    void setPicture(const QPixmap& picture);

    FormRuntime runtime_;
    QPixmap picture_;
    QPointer<Image> focusToCheck_;
};
