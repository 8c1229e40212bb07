// The files that one run of a backtest, a sweep or a merge writes.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/text_file.h"

namespace rotacle::sim {

/// The outputs of one run, all saved or none: every target is checked before
/// any work (a FIFO, a device, a folder, or two outputs naming the same file
/// stop the run), the text streams into temporary files beside the targets,
/// and the targets are replaced only when the run has succeeded.
class Outputs {
public:
    /// Checks and opens a save for every path; "" is an output not asked
    /// for. A path that is the same file as one of `inputs`, the files the
    /// run reads, is refused too. Throws InputError with the save's message.
    explicit Outputs(const std::vector<std::string>& paths, const std::vector<std::string>& inputs = {});

    /// The stream of the path given at `index`; nullptr for "".
    std::ostream* operator[](std::size_t index) const { return saves_.at(index).get(); }

    /// Replaces every target (see CommitAll). Throws InputError.
    void Commit();

private:
    std::vector<std::unique_ptr<AtomicFileStream>> saves_;
};

}  // namespace rotacle::sim
