// Refusing a career that another program is playing.
#include "game/CareerLockCheck.h"

#include <QMessageBox>
#include <QString>

#include <cstdio>

std::unique_ptr<CareerLock> lockCareerOrSay(const std::string& savePath, bool quiet)
{
    auto lock = std::make_unique<CareerLock>(savePath);
    if (!lock->heldElsewhere())
        return lock;
    const std::string message = careerOpenElsewhereMessage(savePath);
    if (quiet) {
        std::fprintf(stderr, "kirimaki: %s\n", message.c_str());
        return nullptr;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kirimaki"), QString::fromLocal8Bit(message.c_str()),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("careerLockedBox"));
    box.setInformativeText(QStringLiteral("Quit the other program first, or play another career in "
                                          "another folder. Kirimaki will now close."));
    box.exec();
    return nullptr;
}
