// The program's two sound operations: Play starts a wave file in the background (a sound still
// playing is cut off; a missing, damaged or unsupported file, or a missing sound device, is
// silent) and Stop ends whatever plays. Both go through TEnvironment::Sound().
#pragma once

#include <string>
#include <string_view>

void PlaySoundFile(const std::string& fileName);
void StopSound();

// Frees the sounds the real player keeps loaded for quick repeats; the next Play loads again.
void UnloadSounds();

// Whether the bytes are a complete RIFF/WAVE file of plain PCM or float samples that the
// player can take. Qt's player waits forever for the rest of a truncated or malformed file,
// and then blocks whenever a sound is freed, so only such files are ever given to it.
bool IsPlayableWave(std::string_view bytes);
