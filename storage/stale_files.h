// Temporary files an atomic write left behind when its program was killed between naming the
// new file and putting it in place (Save0.Kumo.Ab3xYz): old ones are removed.
#pragma once

#include <QString>

namespace tk {

// Removes from folder every plain file named as the temporary file of a slot, of a slot's
// backup or recovery file, or of the settings ("<name>." and six letters or digits) that
// was last written more than a minute ago, so that no write still under way loses its file.
// Returns how many were removed.
int RemoveStaleTemporaries(const QString &folder);

// Whether a file name is such a temporary file.
bool IsWriteTemporary(const QString &fileName);

}  // namespace tk
