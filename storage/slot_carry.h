// A slot read from the read-only folder beside the program is saved on in the per-user
// folder: the files that go with it are carried there too, so that its records stay with it.
#pragma once

#include "core/state/result.h"

namespace tk {

class SaveStore;

// While slot is read from store.ReadOnlyFolder(), copies its history (and the history's
// journal) into store.Folder() where none stands yet. The backup and the recovery file need
// no copy: they are read from the read-only folder until the slot's first save writes both
// anew. Nothing is done for a slot read from the folder saves go to.
Status CarrySideFiles(const SaveStore &store, int slot);

}  // namespace tk
