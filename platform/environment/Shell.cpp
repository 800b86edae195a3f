#include "platform/environment/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cctype>

#include "platform/core/Exception.h"
#include "platform/environment/Profile.h"
#include "platform/environment/ProfileText.h"
#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/QtBridge.h"

namespace {

constexpr std::size_t kMaxShellFileSize = 1u << 20;

[[noreturn]] void FailAssociation() {
  // The program's own words for a refused association, whatever the cause.
  throw Exception("Failed to set data for ''");
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// One line of a desktop entry: no line breaks may slip into a value.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

// Letters, digits, "_", "-", "+": safe as a file name part and a MIME type part.
bool IsPlainName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '-' || c == '+';
  });
}

std::vector<std::string> NormalizedExtensions(const std::vector<std::string>& extensions) {
  std::vector<std::string> out;
  for (std::string ext : extensions) {
    while (!ext.empty() && (ext.front() == '.' || ext.front() == '*')) ext.erase(0, 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (IsPlainName(ext) && std::find(out.begin(), out.end(), ext) == out.end()) out.push_back(ext);
  }
  return out;
}

struct MimeChoice {
  std::vector<std::string> types;         // every MIME type the program opens
  std::vector<std::string> unknownGlobs;  // "*.diz": extensions without a known type
};

MimeChoice ChooseMimeTypes(const TFileTypeAssociation& a, const std::string& ownType) {
  MimeChoice choice;
  const QMimeDatabase db;
  for (const std::string& ext : NormalizedExtensions(a.extensions)) {
    const QMimeType type =
        db.mimeTypeForFile(QtString("file." + ext), QMimeDatabase::MatchExtension);
    std::string name = type.isValid() && !type.isDefault() ? FromQtString(type.name()) : ownType;
    if (name == ownType) choice.unknownGlobs.push_back("*." + ext);
    if (std::find(choice.types.begin(), choice.types.end(), name) == choice.types.end())
      choice.types.push_back(name);
  }
  return choice;
}

std::string MimePackage(const TFileTypeAssociation& a, const std::string& ownType,
                        const std::vector<std::string>& globs) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"" +
      XmlEscaped(ownType) +
      "\">\n"
      "    <comment>" +
      XmlEscaped(OneLine(a.applicationName)) +
      "</comment>\n"
      "    <sub-class-of type=\"text/plain\"/>\n";
  for (const std::string& glob : globs) xml += "    <glob pattern=\"" + XmlEscaped(glob) + "\"/>\n";
  xml += "  </mime-type>\n</mime-info>\n";
  return xml;
}

std::string DesktopEntry(const TFileTypeAssociation& a, const std::vector<std::string>& types) {
  std::string entry =
      "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + OneLine(a.applicationName) +
      "\nExec=" + DesktopExecLine(a.executable) + "\n";
  if (!a.icon.empty()) entry += "Icon=" + OneLine(a.icon) + "\n";
  // The entry serves the association only: the installed package (or nothing, for a copy run
  // from a build folder) puts the program in the desktop's menu, so it is not listed twice.
  entry += "Terminal=false\nNoDisplay=true\nCategories=Utility;TextEditor;\nMimeType=";
  for (const std::string& t : types) entry += t + ";";
  return entry + "\n";
}

// "a.desktop;b.desktop;" with ours moved to the front, the others kept in their order.
std::string WithOursFirst(const std::optional<std::string>& current, const std::string& ours) {
  std::string value = ours + ";";
  if (!current) return value;
  std::size_t start = 0;
  while (start <= current->size()) {
    std::size_t end = current->find(';', start);
    if (end == std::string::npos) end = current->size();
    const std::string entry = current->substr(start, end - start);
    if (!entry.empty() && entry != ours) value += entry + ";";
    start = end + 1;
  }
  return value;
}

// Writes bytes unless the file already holds exactly them; true when it wrote.
bool UpdateFile(const std::string& path, const std::string& bytes) {
  std::string old;
  if (ReadSmallFile(path, kMaxShellFileSize, old, nullptr) && old == bytes) return false;
  if (!QDir().mkpath(QFileInfo(QtString(path)).absolutePath())) FailAssociation();
  if (!WriteFileAtomically(path, bytes, nullptr)) FailAssociation();
  return true;
}

void UpdateMimeDefaults(const std::string& path, const std::string& desktopFile,
                        const std::vector<std::string>& types) {
  std::string bytes;
  if (QFileInfo::exists(QtString(path)) && !ReadSmallFile(path, kMaxShellFileSize, bytes, nullptr))
    FailAssociation();  // never replace a file that could not be read
  TIniText list(bytes, "\n");
  for (const char* section : {"Default Applications", "Added Associations"})
    for (const std::string& type : types)
      if (!list.Write(section, type, WithOursFirst(list.Read(section, type), desktopFile)))
        FailAssociation();
  UpdateFile(path, list.Text());
}

class QtShell final : public IShell {
 public:
  bool StartProcess(const std::string& program, const std::vector<std::string>& args) override {
    std::string path;
    if (program.find('/') != std::string::npos) {
      // Only an absolute path: a relative one would run whatever lies in the current folder.
      const QFileInfo info(QtString(program));
      if (!info.isAbsolute() || !info.isExecutable() || !info.isFile()) return false;
      path = program;
    } else {
      path = FindProgramOnPath(program);
    }
    if (path.empty()) return false;
    QStringList arguments;
    for (const std::string& a : args) arguments << QtString(a);
    return QProcess::startDetached(QtString(path), arguments);
  }

  bool OpenUrl(const std::string& url) override {
    const QUrl u(QtString(url), QUrl::StrictMode);
    const QString scheme = u.scheme().toLower();
    if (!u.isValid() || (scheme != "http" && scheme != "https" && scheme != "mailto")) return false;
    return QDesktopServices::openUrl(u);
  }

  void RegisterFileTypes(const TFileTypeAssociation& association) override {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (data.isEmpty() || config.isEmpty()) FailAssociation();
    WriteFileTypeAssociation(association, FromQtString(data), FromQtString(config));
  }
};

}  // namespace

std::string FindProgramOnPath(const std::string& program) {
  if (program.empty() || program.find('/') != std::string::npos) return {};
  QStringList folders;
  for (const QString& dir : qEnvironmentVariable("PATH").split(QLatin1Char(':')))
    if (!dir.isEmpty() && QDir::isAbsolutePath(dir)) folders << dir;
  if (folders.isEmpty()) return {};
  return FromQtString(QStandardPaths::findExecutable(QtString(program), folders));
}

std::string DesktopExecLine(const std::string& executable) {
  // Quoted as the desktop entry format wants an argument, then escaped as a string value.
  std::string quoted = "\"";
  for (const char c : OneLine(executable)) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += "\"";
  std::string line;
  for (const char c : quoted) {
    if (c == '\\') line += '\\';
    line += c;
  }
  return line + " %f";
}

void WriteFileTypeAssociation(const TFileTypeAssociation& association, const std::string& dataHome,
                              const std::string& configHome) {
  if (association.applicationId.empty() || association.executable.empty() || dataHome.empty() ||
      configHome.empty() || !IsPlainName(association.applicationId))
    FailAssociation();
  const std::string& id = association.applicationId;
  const std::string ownType = "application/x-" + id + "-document";
  const MimeChoice mime = ChooseMimeTypes(association, ownType);
  const std::string mimeFolder = dataHome + "/mime";
  if (!mime.unknownGlobs.empty() &&
      UpdateFile(mimeFolder + "/packages/" + id + ".xml",
                 MimePackage(association, ownType, mime.unknownGlobs))) {
    // Rebuilds the user's MIME cache in the background when the tool is installed; without it
    // the desktop picks the package up at its next update.
    const std::string tool = FindProgramOnPath("update-mime-database");
    if (!tool.empty()) QProcess::startDetached(QtString(tool), {QtString(mimeFolder)});
  }
  UpdateFile(dataHome + "/applications/" + id + ".desktop", DesktopEntry(association, mime.types));
  UpdateMimeDefaults(configHome + "/mimeapps.list", id + ".desktop", mime.types);
}

std::string ExecutableFileName() {
  if (QCoreApplication::instance()) return FromQtString(QCoreApplication::applicationFilePath());
  return FromQtString(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
}

std::string ExecutableFolder() {
  return FromQtString(QFileInfo(QtString(ExecutableFileName())).absolutePath()) + "/";
}

IShell& RealShell() {
  static QtShell shell;
  return shell;
}

bool StartProcess(const std::string& program, const std::vector<std::string>& args) {
  return TEnvironment::Shell().StartProcess(program, args);
}

bool OpenUrl(const std::string& url) {
  return TEnvironment::Shell().OpenUrl(url);
}

void RegisterFileTypes(const TFileTypeAssociation& association) {
  TEnvironment::Shell().RegisterFileTypes(association);
}
