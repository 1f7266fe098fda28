#include "TestSupport.h"

#include <cstdlib>
#include <unistd.h>

namespace juce
{
// The Linux message loop's own step; the plug-in is built without modal loops.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace corvane::test
{
namespace
{
juce::File& homeFolder()
{
    static juce::File home;
    return home;
}
} // namespace

void redirectDataFolders()
{
    // ctest starts many test processes at once: the folder name must be unique per process,
    // not merely free at the moment it was looked at.
    auto base = juce::File::getSpecialLocation (juce::File::tempDirectory)
                    .getChildFile ("corvane-test-home-" + juce::String (::getpid()) + "-"
                                   + juce::String::toHexString (juce::Random().nextInt64()));
    base.createDirectory();
    homeFolder() = base;

    const auto set = [] (const char* name, const juce::File& f)
    {
        f.createDirectory();
        ::setenv (name, f.getFullPathName().toRawUTF8(), 1);
    };

    set ("HOME", base);
    set ("XDG_CONFIG_HOME", base.getChildFile (".config"));
    set ("XDG_DATA_HOME", base.getChildFile (".local/share"));
    set ("XDG_CACHE_HOME", base.getChildFile (".cache"));
    set ("CORVANE_USER_DATA_DIR", base.getChildFile (".config"));
    set ("CORVANE_COMMON_DATA_DIR", base.getChildFile ("common"));

    std::atexit ([] { homeFolder().deleteRecursively(); });
}

juce::File testHome()
{
    return homeFolder();
}

TempFolder::TempFolder()
    : folder (testHome().getNonexistentChildFile ("tmp", {}, false))
{
    folder.createDirectory();
}

TempFolder::~TempFolder()
{
    folder.deleteRecursively();
}

bool pumpUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return condition();

        if (! juce::dispatchNextMessageOnSystemQueue (true))
            juce::Thread::sleep (1);
    }

    return true;
}
} // namespace corvane::test
