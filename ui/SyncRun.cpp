#include "ui/SyncRun.h"

#include <filesystem>

#include "data/DirectoryFormat.h"
#include "data/SyncStatePath.h"
#include "res/resource.h"
#include "ui/LoadText.h"
#include "ui/SyncText.h"

std::string CSyncRun::DirectoryFile()
{
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(DirectoryFormat::kDirectoryFileName, error);
    return error ? std::string(DirectoryFormat::kDirectoryFileName) : file.string();
}

BOOL CSyncRun::IsSetUp()
{
    std::error_code error;
    return std::filesystem::exists(SyncStatePathFor(DirectoryFile()), error) ? TRUE : FALSE;
}

std::string CSyncRun::Program()
{
    return CChildProcess::FindProgram("dialstack-sync", "DIALSTACK_SYNC_PROGRAM");
}

std::vector<std::string> CSyncRun::Arguments(const std::vector<std::string>& options, BOOL bPassword)
{
    std::vector<std::string> arguments = {"--file", DirectoryFile(), "--report", "json"};
    if (bPassword)
        arguments.push_back("--password-stdin");
    arguments.insert(arguments.end(), options.begin(), options.end());
    return arguments;
}

CSyncRun::Result CSyncRun::FromProcess(const CChildProcess::Outcome& process)
{
    Result result;
    result.bFound = TRUE;
    result.process = process;
    // The report is the last line of standard output.
    std::string line = process.rawOut;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    line.erase(0, line.rfind('\n') == std::string::npos ? 0 : line.rfind('\n') + 1);
    result.bReported = process.bExited && CSyncOutcome::FromJson(line, result.outcome) ? TRUE : FALSE;
    return result;
}

CSyncRun::Result CSyncRun::Run(
    const std::vector<std::string>& options, const std::optional<CString>& password, UINT nWaitingId)
{
    const std::string program = Program();
    if (program.empty())
        return Result();
    std::optional<std::string> input;
    if (password)
        input = SyncText::ToUtf8(*password) + "\n";
    return FromProcess(CChildProcess::RunModal(program, Arguments(options, password.has_value()),
        LoadText(nWaitingId), LoadText(IDS_CANCEL), input));
}

std::unique_ptr<CChildProcess::CBackground> CSyncRun::Start(std::function<void(const Result&)> onEnd)
{
    const std::string program = Program();
    if (program.empty())
        return nullptr;
    return CChildProcess::Start(program, Arguments({}, FALSE),
        [onEnd](const CChildProcess::Outcome& process) { onEnd(FromProcess(process)); });
}

BOOL CSyncRun::StartDetached()
{
    const std::string program = Program();
    CString strFailure;
    return !program.empty() && CChildProcess::StartDetached(program, {"--file", DirectoryFile()}, strFailure);
}
