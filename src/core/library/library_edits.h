#pragma once

#include <string>
#include <vector>

#include "core/library/library_change.h"
#include "core/text/user_text.h"

namespace motivra {

// The changes the library dialogs, the editor's Save and motivra-cli make to a library. Each one takes the
// library's lock for its whole length (LibraryLock), reads the files it rests on as they are on disk at that
// moment, and writes only what it changes, all or nothing (LibraryTransaction). So two writers never undo
// each other: a click in a dialog adds or removes its own links and leaves every other line of a tag file
// byte for byte as it was (line_edit), and a dialog never writes back an old copy of the library.
// library is the library folder without a trailing separator. A failure changes nothing and says why in
// LibraryChange::failure; done lists what was written and removed.

// What Save As saves: the behaviour's two files, already made, and its tags.
struct NewBehaviour {
    std::string core;               // the core name; the number is chosen under the lock
    std::string behaviourFile;      // the bytes of its ".vmr"
    std::string thumbnail;          // the bytes of its ".bmp"
    std::vector<std::string> tags;  // its tag database, in order; each of these tag files gains a link
};

// Save As: the behaviour under the next free numbered name (NextFreeBehaviourName, so a name whose file,
// thumbnail or tag database is there already is passed over), with its thumbnail, tag database and links.
// Missing thumbs, tagdb and tags folders are made. *name receives the name.
LibraryChange SaveNewBehaviour(const std::string& library, const NewBehaviour& behaviour, std::string* name);

// The editor's Save: the behaviour file folder/name.vmr and, when folder/thumbs is there, its thumbnail, in
// place. Tags are not touched.
LibraryChange ResaveBehaviour(const std::string& folder, const std::string& name,
                              const std::string& behaviourFile, const std::string& thumbnail);

// The behaviour gains the tags add and loses the tags remove: its tag database, and the tag files of those
// tags (made when missing). Refused when its tag database or one of those tag files cannot be read.
LibraryChange RetagBehaviour(const std::string& library, const std::string& behaviour,
                             const std::vector<std::string>& add, const std::vector<std::string>& remove);

// Deletes the behaviour's ".vmr", tag database and thumbnail and its links from every tag file. Tag files
// that cannot be read are left as they are and named in skipped. Refused for a behaviour without ".vmr".
LibraryChange RemoveBehaviour(const std::string& library, const std::string& behaviour);

// An empty tag file for a new tag; nothing when the tag has a file already.
LibraryChange AddLibraryTag(const std::string& library, const std::string& tag);

// Deletes the tag: its line from every tag database that names it, and its tag file, so it does not come
// back from a tag database. Tag databases that cannot be read are left as they are and named in skipped.
LibraryChange DeleteLibraryTag(const std::string& library, const std::string& tag);

// What "Reconstruct Tag Links" wrote.
struct RebuildCounts {
    int behaviours = 0;  // behaviours whose tag databases were read
    int tagFiles = 0;    // tag files written, because their links changed or they were missing
    int links = 0;       // links in the tag files written

    // "2 tag files with 3 links, from the tag databases of 1 behaviour": the dialog and the CLI report it.
    UserText Text() const;
};

// "Reconstruct Tag Links": every tag file lists exactly the behaviours of the library (in listing order)
// whose tag database names its tag; tags named only in tag databases get files; tags named nowhere keep
// empty files. Only tag files whose links change are written. Refused, with nothing written, when a tag file
// or tag database cannot be read or the library is past the tag table's limits.
LibraryChange RebuildTagLinks(const std::string& library, RebuildCounts* counts = nullptr);

}  // namespace motivra
