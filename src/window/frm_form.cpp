#include "frm_form.h"

#include "control_accessibility.h"
#include "core/conversions.h"
#include "core/need_clock_interval.h"
#include "core/start_pictures.h"
#include "fixed_size.h"

#include <QCloseEvent>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int kClientWidth = 282;
constexpr int kClientHeight = 281;
// Where the window opens on a screen with room for it.
constexpr QPoint kPreferredPosition(187, 162);
// The top panel's own colour, seen where its pictures are not loaded.
const QColor kPanelColour(0, 255, 255);

// The buttons and the icon are PNGs built into the program. Named as such, Qt
// reads them itself instead of loading every image plugin to ask about them.
// A scaled screen gets the twin drawn at twice the size, shown at the same size.
QPixmap builtinPicture(const char* name, qreal devicePixelRatio) {
    const bool twin = devicePixelRatio > 1;
    QImageReader reader(QStringLiteral(":/builtin/%1%2.png")
                            .arg(QLatin1String(name), twin ? QStringLiteral("@2x") : QString()),
                        "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap picture = QPixmap::fromImage(reader.read());
    picture.setDevicePixelRatio(twin ? 2 : 1);
    return picture;
}

// Where the window opens: the preferred position where the whole window fits
// on the screen's free area, otherwise the nearest position where it does (at
// the top left when the screen is too small for it).
QPoint openingPosition(const QRect& available, const QSize& window) {
    const auto fit = [](int preferred, int first, int length, int size) {
        return std::max(first, std::min(preferred, first + length - size));
    };
    return {fit(kPreferredPosition.x(), available.left(), available.width(), window.width()),
            fit(kPreferredPosition.y(), available.top(), available.height(), window.height())};
}

Image* button(QWidget* parent, const char* name, int top, const char* word) {
    auto* image = new Image(parent, 8, top, 80, 23);
    image->setObjectName(QLatin1String(name));
    image->setPicture(builtinPicture(name, parent->devicePixelRatioF()));
    image->setAccessibleName(QString::fromUtf8(word));
    image->setAccessibleRole(QAccessible::Button);
    return image;
}

Label* label(QWidget* parent, const char* name, const char* text, int left, int top) {
    auto* created = new Label(parent, QString::fromUtf8(text), left, top);
    created->setObjectName(QLatin1String(name));
    return created;
}

// The plate of caption lblW`caption` in the top panel; its picture is only
// ground and an icon, nothing for a screen reader to say.
PictureBox* needPlate(QWidget* panel, int caption) {
    const QRect place = kNeedPlates[std::size_t(caption - 1)].place;
    auto* plate =
        new PictureBox(panel, place.x(), place.y(), place.width(), place.height(), kPanelColour);
    plate->setObjectName(QStringLiteral("picW%1").arg(caption));
    plate->hideFromScreenReaders();
    return plate;
}

Image* image(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* created = new Image(parent, left, top, width, height);
    created->setObjectName(QLatin1String(name));
    return created;
}

} // namespace

frmForm::frmForm(PlatformServices& services, QWidget* parent)
    : QWidget(parent), runtime_(services) {
    setWindowTitle(QStringLiteral("Pet"));
    QIcon icon;
    // Window managers draw a window's icon small; the menus take the large
    // sizes from the installed icon theme, so they are not decoded and sent here.
    // On a scaled screen the twins add the sizes it then draws the icon at.
    for (const char* size : {"icon", "icon-48", "icon-64"}) {
        icon.addPixmap(builtinPicture(size, 1));
        if (devicePixelRatioF() > 1)
            icon.addPixmap(builtinPicture(size, devicePixelRatioF()));
    }
    setWindowIcon(icon);
    setFixedSize(kClientWidth, kClientHeight);
    keepFixedSizeWhenMaximized(*this);
    // The frame is not known before the window is shown: its client area is.
    move(openingPosition(screen()->availableGeometry(), frameGeometry().size()));
    setMouseTracking(true);
    installControlAccessibility();
    createControls();
    connectHandlers();
    setUpKeyboard();
}

// Qt stacks a later sibling above an earlier one, so the controls are made
// from the bottom of the table up, and the picture boxes, which lie above
// everything placed directly on the window, last.
void frmForm::createControls() {
    tmrMove = new FormTimer(this, 0);
    tmrM = new FormTimer(this, kNeedClockIntervalMs);

    imgEat = button(this, "imgEat", 136, "Кушать");
    imgDrink = button(this, "imgDrink", 160, "Пить");
    imgPlay = button(this, "imgPlay", 184, "Играть");
    imgSleep = button(this, "imgSleep", 208, "Спать");
    imgTreat = button(this, "imgTreat", 232, "Лечить");
    lblSTR = new Label(this, QString(), 11, 256, 257, 17);
    lblSTR->setObjectName(QStringLiteral("lblSTR"));
    lblSTR->makeStatusLine();
    imgStatic = button(this, "imgStatic", 112, "Данные");
    lbllAge = label(this, "lbllAge", "Возраст:", 40, 96);
    lbllAge->hideFromScreenReaders();
    lblaD = label(this, "lblaD", "0", 104, 96);
    lblaD->setSpokenCaption(QStringLiteral("Возраст"));
    imgHideBut = image(this, "imgHideBut", 0, 88, 89, 193);
    imgHideBut->hide();
    imgHideImg = image(this, "imgHideImg", 0, 0, 281, 89);
    imgHideImg->hide();

    picMain = new PictureBox(this, 96, 112, 170, 142, Qt::white);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAccessibleName(QStringLiteral("Питомец"));
    picS = new PictureBox(this, 11, 11, 257, 65, kPanelColour);
    picS->setObjectName(QStringLiteral("picS"));
    picS->setAccessibleRole(QAccessible::Pane);

    imgS3 = image(picS, "imgS3", 192, 0, 65, 65);
    imgS2 = image(picS, "imgS2", 128, 0, 65, 65);
    imgS1 = image(picS, "imgS1", 64, 0, 65, 65);
    imgS0 = image(picS, "imgS0", 0, 0, 65, 65);
    // A choice is made by clicking its picture.
    for (Image* choice : choiceImages()) {
        choice->setAccessibleRole(QAccessible::Button);
        choice->hide();
    }
    picW1 = needPlate(picS, 1);
    picW2 = needPlate(picS, 2);
    picW3 = needPlate(picS, 3);
    picW4 = needPlate(picS, 4);
    picW5 = needPlate(picS, 5);
    lblW1 = label(picS, "lblW1", "Голод:", 32, 8);
    lblSH = label(picS, "lblSH", "0", 88, 8);
    lblW2 = label(picS, "lblW2", "Жажда:", 32, 24);
    lblSD = label(picS, "lblSD", "0", 88, 24);
    lblW3 = label(picS, "lblW3", "Настроение:", 128, 8);
    lblSI = label(picS, "lblSI", "0", 208, 8);
    lblW4 = label(picS, "lblW4", "Сонливость:", 128, 24);
    lblSS = label(picS, "lblSS", "0", 208, 24);
    lblW5 = label(picS, "lblW5", "Здоровье:", 128, 40);
    lblSHe = label(picS, "lblSHe", "0", 208, 40);
    lblSH->setSpokenCaption(QStringLiteral("Голод"));
    lblSD->setSpokenCaption(QStringLiteral("Жажда"));
    lblSI->setSpokenCaption(QStringLiteral("Настроение"));
    lblSS->setSpokenCaption(QStringLiteral("Сонливость"));
    lblSHe->setSpokenCaption(QStringLiteral("Здоровье"));
    for (Label* caption : {lblW1, lblW2, lblW3, lblW4, lblW5})
        caption->hideFromScreenReaders();
}

void frmForm::connectHandlers() {
    connect(tmrM, &FormTimer::tick, this,
            [this] { runtime_.handleTick(*tmrM, [this] { tmrM_Timer(); }); });
    connect(tmrMove, &FormTimer::tick, this,
            [this] { runtime_.handleTick(*tmrMove, [this] { tmrMove_Timer(); }); });

    const std::pair<Image*, void (frmForm::*)()> clicks[] = {
        {imgEat, &frmForm::imgEat_Click},     {imgDrink, &frmForm::imgDrink_Click},
        {imgPlay, &frmForm::imgPlay_Click},   {imgSleep, &frmForm::imgSleep_Click},
        {imgTreat, &frmForm::imgTreat_Click}, {imgStatic, &frmForm::imgStatic_Click},
    };
    for (const auto& [control, handler] : clicks)
        connect(control, &Image::clicked, this, [this, handler = handler] { onEvent(handler); });

    const auto choices = choiceImages();
    for (qint16 n = 0; n < qint16(choices.size()); ++n)
        connect(choices[n], &Image::clicked, this, [this, n] { choose(n); });

    connectHints();
    connectSpokenFeedback();
}

// The window holds the focus until Tab is first pressed, so Qt gives no control
// an unseen focus that Enter would press.
void frmForm::setUpKeyboard() {
    for (Image* control : tabOrder()) {
        control->makeOperable();
        control->installEventFilter(this);
    }
    imgHideBut->installEventFilter(this);
    imgHideImg->installEventFilter(this);
    setFocus();
}

bool frmForm::focusNextPrevChild(bool next) {
    // Qt asks for the next control when the focused one is hidden; that move
    // waits for the handler to finish.
    auto* focused = qobject_cast<Image*>(focusWidget());
    if (focused && !focused->isOperable()) {
        checkFocusLater();
        return true;
    }
    if (Image* target = nextOperable(focusWidget(), next))
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

Image* frmForm::nextOperable(QWidget* from, bool next) const {
    const auto order = tabOrder();
    const int count = int(order.size());
    const auto found = std::find(order.begin(), order.end(), from);
    // From outside the order, Tab starts at the first control, Shift+Tab at the last.
    const int start = found != order.end() ? int(found - order.begin()) : (next ? -1 : count);
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (next ? step : -step)) % count + count) % count;
        if (order[index]->isOperable())
            return order[index];
    }
    return nullptr;
}

void frmForm::checkFocusLater() {
    auto* focused = qobject_cast<Image*>(focusWidget());
    if (!focused || focused->isOperable() || focusToCheck_)
        return;
    focusToCheck_ = focused;
    QMetaObject::invokeMethod(this, &frmForm::keepFocusOperable, Qt::QueuedConnection);
}

void frmForm::keepFocusOperable() {
    Image* from = focusToCheck_;
    focusToCheck_ = nullptr;
    QWidget* focused = focusWidget();
    // The focus has gone elsewhere meanwhile, or its control is back.
    if (!from || (focused != from && focused != this && focused) || from->isOperable())
        return;
    if (Image* target = nextOperable(from, true))
        target->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

bool frmForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        checkFocusLater();
    return QWidget::eventFilter(watched, event);
}

void frmForm::onEvent(void (frmForm::*handler)()) {
    runtime_.handleEvent([this, handler] { (this->*handler)(); });
}

void frmForm::load() {
    onEvent(&frmForm::Form_Load);
}

QString frmForm::picturePath(const QString& fileName) const {
    return runtime_.fileLocation(AppFolder + QStringLiteral("G/") + fileName);
}

QPixmap frmForm::loadPicture(const QString& fileName) const {
    // The window's own ratio: the screen it is on decides which picture is sharp.
    return runtime_.loadPicture(picturePath(fileName), devicePixelRatioF());
}

Label* frmForm::needLabel(Need need) const {
    const std::array<Label*, kNeedCount> labels = {lblSH, lblSD, lblSI, lblSS, lblSHe};
    return labels[needIndex(need)];
}

double frmForm::needValue(Need need) const {
    return numericValue(needLabel(need)->text());
}

void frmForm::setNeed(Need need, double value) {
    needLabel(need)->setText(decimalText(value));
}

void frmForm::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void frmForm::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) {
        QPainter painter(this);
        drawPicture(painter, picture_);
    }
}

// Closing is never refused; a program that has ended saves nothing.
void frmForm::closeEvent(QCloseEvent* event) {
    event->accept();
    runtime_.unload([this] { Form_Unload(); });
}

void frmForm::endRequested() {
    runtime_.requestEnd([this] { close(); });
}

void frmForm::keepUnloadReady() {
    runtime_.keepUnloadReady([this] { return saveOfShownPet(); });
}

void frmForm::comeForward() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
