#include "tools/outputs.h"

#include "core/convert.h"
#include "tools/backtest.h"

namespace rotacle::sim {

Outputs::Outputs(const std::vector<std::string>& paths, const std::vector<std::string>& inputs) {
    try {
        CheckSaveTargets(paths, inputs);
        for (const std::string& path : paths)
            saves_.push_back(path.empty() ? nullptr : std::make_unique<AtomicFileStream>(path));
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
}

void Outputs::Commit() {
    std::vector<AtomicFileStream*> saves;
    for (const auto& save : saves_) saves.push_back(save.get());
    try {
        CommitAll(saves);
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
}

}  // namespace rotacle::sim
