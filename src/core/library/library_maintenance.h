#pragma once

#include <string>
#include <vector>

#include "core/library/tag_table.h"

namespace motivra {

// The tag table of a library folder, loaded from its tag files; empty when it has no tag folder.
TagTable LoadLibraryTags(const std::string& library);

// "Reconstruct Tag Links": rebuilds every tag file of the table's tag folder from the tag databases of the
// behaviours listed (in that order), since the tag databases are the authoritative side. Afterwards each tag
// file lists exactly the behaviours whose tag database names the tag, in list order; tags named nowhere keep
// an empty file; tags named only in a tag database get one. The table is reloaded, weights recounted and
// every state cleared.
void ReconstructTagLinks(TagTable& table, const std::string& library,
                         const std::vector<std::string>& behaviours);

// Deletes behaviour name from the library with its companions (its ".vmr", tag database and thumbnail) and
// unlinks it, by prefix, from every tag of the table; the caller writes the tag files (SaveAllTags). A name
// that is not an acceptable behaviour name touches nothing and gives false.
bool DeleteBehaviour(TagTable& table, const std::string& library, const std::string& name);

}  // namespace motivra
