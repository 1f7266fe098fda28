#include "AudioPort.h"

AudioPort::AudioPort (AudioNode* ownerNode, bool isOutputPort, int numChannels)
    : TypedNodePort<AudioConnection> (ownerNode),
      output (isOutputPort),
      buffer (numChannels)
{
}

AudioPort::~AudioPort() = default;
