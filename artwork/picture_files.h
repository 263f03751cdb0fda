#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every picture file of the picture folder, each named once and taken from
// the tables that load it: the two backgrounds, the need plates, the idle pet,
// the choices and the frames of the care runs. The picture generator draws
// exactly these, the install copies what it drew and the picture tests walk
// them.

// Where a picture is shown, which fixes the size it is drawn at (a need
// plate's is the place its table gives it).
enum class PictureHolder { Window, TopPanel, NeedPlate, PetBox, ChoiceImage };

struct PictureFile {
    QString name;
    PictureHolder shownIn;
};

// The window's background and the top panel's, shown from start-up on.
QString windowBackgroundName();
QString panelBackgroundName();

// The backgrounds, the need plates, the idle pet, every action's choices and
// every frame of every care run, in that order.
QList<PictureFile> pictureFiles();

// Each care run's frames in the order they play: one run for each option of
// eat, drink, play and treat, and the one run of sleep.
QList<QStringList> careRuns();

// The picture drawn at twice the size for scaled screens, "p0@2x.gif" beside
// "p0.gif".
QString twinPictureName(const QString& name);
