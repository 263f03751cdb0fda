#include "picture_files.h"

#include "animation/frame_table.h"
#include "core/action_kind.h"
#include "core/idle_pictures.h"
#include "core/start_pictures.h"
#include "interaction/choice_pictures.h"

QString windowBackgroundName() {
    return kWindowBackgroundPicture;
}

QString panelBackgroundName() {
    return kPanelBackgroundPicture;
}

QList<QStringList> careRuns() {
    QList<QStringList> runs;
    for (qint16 action = kActionEat; action <= kActionTreat; ++action) {
        const FramePlan* plan = framePlanFor(action);
        const qint16 options = plan->readsChoice ? kChoiceCount : 1;
        for (qint16 option = 0; option < options; ++option) {
            QStringList frames;
            for (qint16 tick = 1; tick <= plan->frames; ++tick)
                frames << frameFileName(action, option, tick);
            runs << frames;
        }
    }
    return runs;
}

QList<PictureFile> pictureFiles() {
    QList<PictureFile> files = {{windowBackgroundName(), PictureHolder::Window},
                                {panelBackgroundName(), PictureHolder::TopPanel}};
    for (const NeedPlate& plate : kNeedPlates)
        files.append({plate.picture, PictureHolder::NeedPlate});
    for (qint16 frame = 0; frame < kIdlePictureCount; ++frame)
        files.append({*idlePictureName(frame), PictureHolder::PetBox});
    for (qint16 action = kActionEat; action <= kActionTreat; ++action)
        for (const QString& name : choicePictureNames(action))
            files.append({name, PictureHolder::ChoiceImage});
    for (const QStringList& run : careRuns())
        for (const QString& name : run)
            files.append({name, PictureHolder::PetBox});
    return files;
}

QString twinPictureName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return name + QStringLiteral("@2x");
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}
