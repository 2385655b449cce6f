#include "CliTestSupport.h"

#include "app/IniLang.h"
#include "common/Encoding.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string_view>

extern char** environ;

namespace vlm::test {

namespace fs = std::filesystem;

fs::path CliFixtures() {
    return fs::path(VLM_FIXTURES_DIR) / "cli";
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string EnglishText(const std::string& key, const std::string& argument) {
    TLanguage lang;
    lang.file = LoadLanguageFile(fs::path(VLM_DATA_DIR) / "configuration" / "lang" / "lang.lang");
    lang.languageIndex = 1;
    std::string text = lang.LangText(key);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            plain += text[i];
    return Cp1250ToUtf8(plain);
}

std::map<std::string, std::string> ReadZip(const fs::path& file) {
    std::map<std::string, std::string> out;
    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (!zip)
        return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
            std::string_view(st.name).ends_with("/"))
            continue;
        std::string data(st.size, '\0');
        if (zip_file_t* f = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0)) {
            if (zip_fread(f, data.data(), st.size) != static_cast<zip_int64_t>(st.size))
                data = "(unreadable entry)";
            zip_fclose(f);
        }
        out[st.name] = std::move(data);
    }
    zip_close(zip);
    return out;
}

CliSandbox::CliSandbox(const std::string& language) {
    std::random_device random;
    root = fs::temp_directory_path() / ("vlm_cli_" + std::to_string(random()));
    programDir = root / "program";
    work = root / "work";
    fs::create_directories(programDir / "configuration");
    fs::create_directories(work);
    const fs::path data = VLM_DATA_DIR;
    for (const auto& entry : fs::directory_iterator(data))
        if (entry.path().filename() != "configuration")
            fs::create_directory_symlink(entry.path(), programDir / entry.path().filename());
    for (const auto& entry : fs::directory_iterator(data / "configuration"))
        if (entry.path().filename() != "config.ini")
            fs::create_symlink(entry.path(),
                               programDir / "configuration" / entry.path().filename());
    std::ofstream(programDir / "configuration" / "config.ini", std::ios::binary)
        << "[language]\r\nfile=lang.lang\r\nlang=" << language
        << "\r\n[exports]\r\ndefaultTemplatesDesign=Orvanta - standard\r\n";
}

CliSandbox::~CliSandbox() {
    std::error_code ec;
    fs::remove_all(root, ec);
}

fs::path CliSandbox::CopyCourse(const std::string& name) const {
    fs::copy_file(CliFixtures() / (name + ".vlmproject"), work / (name + ".vlmproject"));
    fs::copy(CliFixtures() / name, work / name, fs::copy_options::recursive);
    return work / (name + ".vlmproject");
}

CliRun CliSandbox::Run(const std::vector<std::string>& args) const {
    std::vector<std::string> all;
    if (fileSizeLimit > 0) {
        // The limit's signal would kill the program: ignored, the write fails
        // with EFBIG instead. The ignored signal passes through exec.
        std::signal(SIGXFSZ, SIG_IGN);
        all = {"/usr/bin/prlimit", "--fsize=" + std::to_string(fileSizeLimit), "--"};
    }
    for (std::string arg :
         {std::string(VLM_CLI), std::string("--program-dir"), programDir.string()})
        all.push_back(arg);
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    std::vector<std::string> variables;
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        const std::string name(entry.substr(0, entry.find('=')));
        if (name != "LANG" && name != "LC_ALL" && name != "LC_MESSAGES" && name != "LANGUAGE" &&
            !env.contains(name))
            variables.emplace_back(entry);
    }
    for (const auto& [name, value] : env)
        variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const fs::path out = root / "stdout.txt", err = root / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, work.c_str());
    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    return run;
}

} // namespace vlm::test
