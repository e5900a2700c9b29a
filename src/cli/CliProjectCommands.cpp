// The commands that look into a project or change it: show, set, link, files, mark, preserve.
#include "cli/CliSession.h"
#include "cli/TCliApplication.h"
#include "core/common/Errors.h"
#include "core/common/TextRoutines.h"
#include "core/document/uBixEncrypt.h"
#include "core/filemanager/TZarpFileManager.h"
#include "core/shell/MetaKeywords.h"
#include "core/themes/TThemeCatalogue.h"
#include "platform/QtText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cstdio>
#include <ostream>

namespace bix {

namespace {

std::string DateTimeText(TDateTime value) {
    const DateTimeParts p = DecodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", p.year, p.month, p.day, p.hour, p.minute,
                  p.second, p.millisecond);
    return text;
}

QJsonValue CellJson(const TFieldValue& cell) {
    if (const auto* text = std::get_if<std::string>(&cell)) {
        return ToQString(*text);
    }
    if (const auto* number = std::get_if<std::int32_t>(&cell)) {
        return *number;
    }
    if (const auto* flag = std::get_if<bool>(&cell)) {
        return *flag;
    }
    if (const auto* date = std::get_if<TDateTime>(&cell)) {
        return ToQString(DateTimeText(*date));
    }
    return QJsonValue::Null;
}

std::string CellText(const TFieldValue& cell) {
    const QJsonValue value = CellJson(cell);
    if (value.isNull()) {
        return "";
    }
    if (value.isBool()) {
        return value.toBool() ? "yes" : "no";
    }
    return value.isDouble() ? std::to_string(value.toInt()) : FromQString(value.toString());
}

QJsonArray TableJson(const MemTable& table) {
    QJsonArray rows;
    for (std::size_t r = 0; r < table.RecordCount(); ++r) {
        QJsonObject row;
        for (std::size_t c = 0; c < table.FieldDefs().size(); ++c) {
            row.insert(ToQString(table.FieldDefs()[c].name), CellJson(table.CellAt(r, c)));
        }
        rows.append(row);
    }
    return rows;
}

std::optional<std::int32_t> ParseInt(const std::string& text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

// Lines separated by line feeds (a CR LF pair counts as one break).
std::vector<std::string> LinesOf(const std::string& value) {
    return value.empty() ? std::vector<std::string>() : SplitLines(value);
}

}  // namespace

int TCliApplication::Show(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--json")) {
        return Usage("show PROJECT [--json]");
    }
    auto session = Open(args[0], false);
    if (!session) {
        return kFailed;
    }
    TWebSite& site = session->project.WebSite();
    if (args.size() == 2) {
        QJsonObject properties;
        for (const TPropertyInfo& p : TWebSite::Properties()) {
            const QString name = ToQString(p.name);
            if (p.kind == TPropertyKind::String) {
                properties.insert(name, ToQString(*site.StringProperty(p.name)));
            } else if (p.kind == TPropertyKind::Integer) {
                properties.insert(name, *site.IntegerProperty(p.name));
            } else {
                QJsonArray lines;
                for (const auto& line : *site.LinesProperty(p.name)) {
                    lines.append(ToQString(line));
                }
                properties.insert(name, lines);
            }
        }
        QJsonObject all;
        all.insert("properties", properties);
        all.insert("FrameLinks", TableJson(session->dm.tblFrameLinks));
        all.insert("FileManager", TableJson(session->dm.tblFileManager));
        m_out << QJsonDocument(all).toJson(QJsonDocument::Indented).toStdString();
        return kOk;
    }
    for (const TPropertyInfo& p : TWebSite::Properties()) {
        m_out << p.name << ": ";
        if (p.kind == TPropertyKind::String) {
            m_out << ReplaceAll(ReplaceAll(*site.StringProperty(p.name), "\r\n", " | "), "\r", " | ");
        } else if (p.kind == TPropertyKind::Integer) {
            m_out << *site.IntegerProperty(p.name);
        } else {
            const auto& lines = *site.LinesProperty(p.name);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                m_out << (i > 0 ? " | " : "") << lines[i];
            }
        }
        m_out << '\n';
    }
    for (const auto* table : {&session->dm.tblFrameLinks, &session->dm.tblFileManager}) {
        m_out << (table == &session->dm.tblFrameLinks ? "FrameLinks" : "FileManager") << ": " << table->RecordCount()
              << " rows\n";
        for (std::size_t r = 0; r < table->RecordCount(); ++r) {
            m_out << "  " << r + 1;
            for (std::size_t c = 0; c < table->FieldDefs().size(); ++c) {
                m_out << '\t' << table->FieldDefs()[c].name << '=' << CellText(table->CellAt(r, c));
            }
            m_out << '\n';
        }
    }
    return kOk;
}

int TCliApplication::Set(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return Usage("set PROJECT NAME=VALUE...");
    }
    auto session = Open(args[0], false);
    if (!session) {
        return kFailed;
    }
    // Every assignment is checked on a copy first: one bad one writes nothing.
    TWebSite site = session->project.WebSite();
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::size_t eq = args[i].find('=');
        if (eq == std::string::npos || eq == 0) {
            return Usage("set takes NAME=VALUE, not '" + args[i] + "'");
        }
        const std::string name = args[i].substr(0, eq);
        const std::string value = args[i].substr(eq + 1);
        if (SameText(name, "Password")) {
            TbixEncrypt& scrambler = session->dm.bixEncrypt1;
            scrambler.Mode = TMode::mdEncrypt;
            scrambler.Registration = value;
            site.Password = scrambler.Execute();
        } else if (SameText(name, "Metatags")) {
            site.Metatags = JoinKeywords(LinesOf(value));
        } else if (SameText(name, "CurrentTheme") && ParseInt(value)) {
            site.CurrentTheme = TThemeCatalogue::DisplayNameOf(*ParseInt(value));
        } else if (std::string* text = site.StringProperty(name)) {
            *text = value;
        } else if (std::int32_t* number = site.IntegerProperty(name)) {
            const auto parsed = ParseInt(value);
            if (!parsed) {
                session->prompter.Error("'" + value + "' is not a whole number for " + name);
                return kFailed;
            }
            *number = *parsed;
        } else if (std::vector<std::string>* lines = site.LinesProperty(name)) {
            *lines = LinesOf(value);
        } else {
            session->prompter.Error("There is no property " + name);
            return kFailed;
        }
    }
    session->project.WebSite() = site;
    return Save(*session) ? kOk : kFailed;
}

int TCliApplication::Link(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return Usage("link PROJECT add|list|remove|move ...");
    }
    const std::string& action = args[1];
    auto session = Open(args[0], false);
    if (!session) {
        return kFailed;
    }
    MemTable& links = session->dm.tblFrameLinks;
    const auto row = [&](const std::string& text) -> std::optional<std::size_t> {
        const auto number = ParseInt(text);
        if (!number || *number < 1 || static_cast<std::size_t>(*number) > links.RecordCount()) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(*number - 1);
    };
    if (action == "list" && args.size() == 2) {
        for (std::size_t r = 0; r < links.RecordCount(); ++r) {
            links.MoveTo(r);
            m_out << r + 1 << '\t' << (links.AsBoolean("Visible") ? "shown" : "hidden") << '\t'
                  << (links.AsBoolean("InFrame") ? "frame" : "top") << '\t' << links.AsString("Name") << '\t'
                  << links.AsString("URL") << '\n';
        }
        return kOk;
    }
    if (action == "add" && args.size() >= 4) {
        bool hidden = false;
        bool top = false;
        for (std::size_t i = 4; i < args.size(); ++i) {
            if (args[i] == "--hidden") {
                hidden = true;
            } else if (args[i] == "--top") {
                top = true;
            } else {
                return Usage("link add: unknown option " + args[i]);
            }
        }
        links.Append();
        links.SetValue("Visible", !hidden);
        links.SetValue("InFrame", !top);
        links.SetValue("Name", args[2]);
        links.SetValue("URL", args[3]);
        links.Post();
    } else if (action == "remove" && args.size() == 3) {
        const auto r = row(args[2]);
        if (!r) {
            session->prompter.Error("There is no link " + args[2]);
            return kFailed;
        }
        links.MoveTo(*r);
        links.Delete();
    } else if (action == "move" && args.size() == 4 && (args[3] == "up" || args[3] == "down")) {
        const auto r = row(args[2]);
        if (!r) {
            session->prompter.Error("There is no link " + args[2]);
            return kFailed;
        }
        links.MoveTo(*r);
        links.MoveRecord(args[3] == "up" ? -1 : 1);
    } else {
        return Usage("link PROJECT add NAME URL [--hidden] [--top] | list | remove ROW | move ROW up|down");
    }
    return Save(*session) ? kOk : kFailed;
}

int TCliApplication::Files(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--json")) {
        return Usage("files PROJECT [--json]");
    }
    auto session = Open(args[0], false);
    if (!session) {
        return kFailed;
    }
    MemTable& files = session->dm.tblFileManager;
    if (args.size() == 2) {
        m_out << QJsonDocument(TableJson(files)).toJson(QJsonDocument::Indented).toStdString();
        return kOk;
    }
    for (std::size_t r = 0; r < files.RecordCount(); ++r) {
        files.MoveTo(r);
        m_out << FtpProcessDescription(files.AsInteger("FileStatus")) << '\t'
              << (files.AsBoolean("Preserve") ? "preserved" : "-") << '\t' << files.AsString("FileName") << '\t'
              << files.AsString("FileType") << '\t' << files.AsString("FileSize") << '\t' << files.AsString("Desc")
              << '\n';
    }
    return kOk;
}

int TCliApplication::Mark(const std::vector<std::string>& args) {
    std::vector<std::string> plain;
    bool yes = false;
    for (const auto& arg : args) {
        if (arg == "--yes") {
            yes = true;
        } else {
            plain.push_back(arg);
        }
    }
    const std::pair<const char*, int> actions[] = {{"upload", 3}, {"remove", 1}, {"nothing", 0}};
    std::optional<int> status;
    if (plain.size() == 3) {
        for (const auto& [name, value] : actions) {
            if (plain[2] == name) {
                status = value;
            }
        }
    }
    const bool all = plain.size() == 3 && plain[1] == "--all";
    if (!status || (all && *status == 0)) {
        return Usage("mark PROJECT FILE|--all upload|remove|nothing [--yes] (nothing is for one file)");
    }
    auto session = Open(plain[0], yes);
    if (!session) {
        return kFailed;
    }
    TZarpFileManager& files = session->dm.ZarpFileManager1;
    files.SetDestinationFolder(session->project.BuildFolderFor(session->project.WebSite().BuiltWebSitePath));
    int value = *status;
    if (all) {
        files.ChangeAllStatus(value);
    } else {
        if (!session->dm.tblFileManager.Locate("FileName", plain[1])) {
            session->prompter.Error("There is no file " + plain[1] + " in the file list");
            return kFailed;
        }
        files.ChangeCurrentStatus(value);
    }
    return Save(*session) ? kOk : kFailed;
}

int TCliApplication::Preserve(const std::vector<std::string>& args) {
    if (args.size() != 3 || (args[2] != "on" && args[2] != "off")) {
        return Usage("preserve PROJECT FILE on|off");
    }
    auto session = Open(args[0], false);
    if (!session) {
        return kFailed;
    }
    MemTable& files = session->dm.tblFileManager;
    if (!files.Locate("FileName", args[1])) {
        session->prompter.Error("There is no file " + args[1] + " in the file list");
        return kFailed;
    }
    files.Edit();
    files.SetValue("Preserve", args[2] == "on");
    files.Post();
    return Save(*session) ? kOk : kFailed;
}

}  // namespace bix
