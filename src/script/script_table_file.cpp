#include "script/script_table_file.h"

#include "core/input_file.h"
#include "core/table_loader.h"
#include "core/table_session.h"

#include <filesystem>
#include <new>

namespace zarvo {

ScriptTableReader TableReaderBeside(const std::string& scriptPath, bool atlasTables)
{
    const std::filesystem::path folder = std::filesystem::path(scriptPath).parent_path();
    return [folder, atlasTables](const std::string& path, std::string& reason) -> std::optional<ScriptTable> {
        std::string chosen = path;
        if (std::filesystem::path(path).is_relative() && !folder.empty()) {
            std::error_code ignored;
            if (std::filesystem::exists(folder / path, ignored)) chosen = (folder / path).string();
        }
        const InputBytes input = ReadInputFile(chosen, 0, kMaxTableFileSize);
        if (!input.ok()) {
            reason = InputFailureText(input.failure, chosen);
            return std::nullopt;
        }
        const std::span<const uint8_t> bytes = input.content();
        const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        try {
            if (atlasTables) return ScriptTable::FromAtlasText(content);
            TableData table;
            TableSession session;
            ParseTableText(table, session, content);
            return ScriptTable::FromTable(table);
        } catch (const std::bad_alloc&) {
            reason = "not enough memory to hold it";
            return std::nullopt;
        }
    };
}

std::string TablePathForScript(const std::string& tablePath, const std::string& scriptPath)
{
    std::error_code failed;
    const auto folder = std::filesystem::absolute(std::filesystem::path(scriptPath), failed).parent_path();
    const auto relative = std::filesystem::relative(std::filesystem::absolute(tablePath, failed), folder, failed);
    return failed || relative.empty() ? tablePath : relative.generic_string();
}

}  // namespace zarvo
