// The career lock: flock(2) on a lock file beside the save file.
#include "rules/core/CareerLock.h"

#include "rules/core/SaveFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CareerLock::CareerLock(const std::string& savePath)
{
    const std::string path = lockPathFor(savePath);
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A lock file that another player made and this one may only read
    // still serves: flock needs no write access.
    if (m_fd < 0)
        m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    int locked;
    do
        locked = ::flock(m_fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        m_state = State::Held;
        return;
    }
    // A file system without flock support locks nothing: go on as without a lock file.
    m_state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::NoLockFile;
    ::close(m_fd);
    m_fd = -1;
}

CareerLock::~CareerLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

std::string CareerLock::lockPathFor(const std::string& savePath)
{
    return savePath + ".lock";
}

std::string careerOpenElsewhereMessage(const std::string& savePath)
{
    return "This career is open in another program: " + fullPathOf(savePath);
}
