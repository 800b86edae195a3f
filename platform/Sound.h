// The program's two sound operations: Play starts a wave file in the background (a sound still
// playing is cut off; a missing file or a missing sound device is silent) and Stop ends
// whatever plays. Both go through TEnvironment::Sound().
#pragma once

#include <string>

void PlaySoundFile(const std::string& fileName);
void StopSound();
