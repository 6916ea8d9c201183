#include "core/library/library_maintenance.h"

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"

namespace motivra {

TagTable LoadLibraryTags(const std::string& library) {
    TagTable table;
    table.SetTagFolder(TagFolderOf(library));
    table.LoadTags();
    return table;
}

void ReconstructTagLinks(TagTable& table, const std::string& library,
                         const std::vector<std::string>& behaviours) {
    table.ClearAllLinks();
    for (const std::string& behaviour : behaviours) {
        if (!IsAcceptableBehaviourName(behaviour)) continue;
        const std::string tagDb = TagDbPath(library, behaviour);
        if (!FileExists(tagDb)) continue;
        table.ReadTagDb(tagDb);
        table.LinkSelectedAll(behaviour);
    }
    table.SaveAllTags();
    table.LoadTags();
    table.ClearStates();
}

bool DeleteBehaviour(TagTable& table, const std::string& library, const std::string& name) {
    if (!IsAcceptableBehaviourName(name)) return false;
    DeleteFileIfPresent(BehaviourPath(library, name));
    DeleteFileIfPresent(TagDbPath(library, name));
    DeleteFileIfPresent(ThumbnailPath(library, name));
    table.UnlinkBehaviour(name);
    return true;
}

}  // namespace motivra
