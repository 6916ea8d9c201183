#pragma once

#include <string>
#include <vector>

#include "core/library/library_change.h"
#include "core/library/tag_table.h"

namespace motivra {

// The tag table of a library folder, loaded from its tag files; empty when it has no tag folder.
TagTable LoadLibraryTags(const std::string& library);

// "Reconstruct Tag Links": rebuilds every tag file of the table's tag folder from the tag databases of the
// behaviours listed (in that order), since the tag databases are the authoritative side. Afterwards each tag
// file lists exactly the behaviours whose tag database names the tag, in list order; tags named nowhere keep
// an empty file; tags named only in a tag database get one. The table is reloaded, weights recounted and
// every state cleared.
// Refused, with nothing written, when the tag folder is missing, a tag file or tag database cannot be read
// (a rebuild from part of the databases would drop links), the library is past the table's limits, or a
// file to be written is not writable. A failed write stops the rebuild: the files written before it are in
// done, the others are as they were.
LibraryChange ReconstructTagLinks(TagTable& table, const std::string& library,
                                  const std::vector<std::string>& behaviours);

// Deletes behaviour name from the library with its companions (its ".vmr", tag database and thumbnail) and
// unlinks it, by prefix, from every tag of the table; the caller writes the tag files (SaveAllTags). A name
// that is not an acceptable behaviour name touches nothing and gives false.
bool DeleteBehaviour(TagTable& table, const std::string& library, const std::string& name);

// The whole deletion at once, for a table freshly loaded from the library: first the tag files that held
// links to the behaviour are rewritten without them, then its ".vmr", tag database and thumbnail are
// removed, so a failure never leaves links lost while the behaviour stays deleted. Tag files that could not
// be read are skipped (never rewritten) and listed. Refused, with nothing changed, for a name that is not an
// acceptable behaviour name or has no ".vmr", for a library past the table's limits, and when a file to be
// written or removed is not writable. A failed step stops the deletion; done tells what was changed. When a
// tag file cannot be written the table keeps every link it had, since the behaviour stays.
LibraryChange RemoveBehaviour(TagTable& table, const std::string& library, const std::string& name);

}  // namespace motivra
