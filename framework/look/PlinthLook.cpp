#include "PlinthLook.h"

namespace
{
juce::CriticalSection instanceLock;
PlinthLook* instance = nullptr;
} // namespace

PlinthLook::Ptr PlinthLook::getInstance()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == nullptr)
        instance = new PlinthLook();

    return Ptr (instance);
}

PlinthLook::PlinthLook() = default;

PlinthLook::~PlinthLook()
{
    const juce::ScopedLock sl (instanceLock);

    if (instance == this)
        instance = nullptr;
}
