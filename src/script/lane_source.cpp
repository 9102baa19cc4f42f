#include "script/lane_source.h"

namespace script {

std::optional<sorting::SortMethod> LaneSource::Method() const
{
    if (const auto* method = std::get_if<sorting::SortMethod>(&source_)) return *method;
    return std::nullopt;
}

const ScriptFile* LaneSource::Script() const
{
    const auto* file = std::get_if<std::shared_ptr<const ScriptFile>>(&source_);
    return file ? file->get() : nullptr;
}

std::string LaneSource::Key() const
{
    const auto method = Method();
    return method ? std::string(sorting::MethodKey(*method)) : Script()->name;
}

std::string LaneSource::Title() const
{
    const auto method = Method();
    return method ? sorting::MethodTitle(*method) : Script()->name;
}

bool operator==(const LaneSource& a, const LaneSource& b)
{
    if (a.IsScript() != b.IsScript()) return false;
    if (!a.IsScript()) return a.Method() == b.Method();
    return a.Script()->name == b.Script()->name && a.Script()->path == b.Script()->path;
}

}  // namespace script
