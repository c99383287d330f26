// The resources inside Quorvane.exe: the dialog templates against the shared
// table they are made from, the string table, the icon group and the version
// record. Read from the file itself, without running it.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "DialogTemplates.h"
#include "ProgramWindows.h"
#include "TestGroups.h"

namespace {

const WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

// Resource types, for the wide functions.
const LPCWSTR kDialogType = MAKEINTRESOURCEW(5);      // RT_DIALOG
const LPCWSTR kStringType = MAKEINTRESOURCEW(6);      // RT_STRING
const LPCWSTR kIconGroupType = MAKEINTRESOURCEW(14);  // RT_GROUP_ICON

// Reads the fields of a resource in order.
class ResourceReader {
  public:
    ResourceReader(const BYTE* data, DWORD size) : m_start(data), m_at(data), m_end(data + size) {}

    bool Overrun() const { return m_at > m_end; }
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    // A zero-terminated UTF-16 string.
    std::wstring String() {
        std::wstring text;
        for (WORD c = Word(); c != 0 && !Overrun(); c = Word()) text += static_cast<wchar_t>(c);
        return text;
    }
    // A string or an ordinal, which reads as "#number".
    std::wstring StringOrOrdinal() {
        const WORD first = Word();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        m_at -= sizeof(WORD);
        return String();
    }
    void AlignToDword() {
        while ((m_at - m_start) % 4 != 0) ++m_at;
    }
    void Skip(std::size_t bytes) { m_at += bytes; }

  private:
    template <typename T>
    T Take() {
        T value{};
        if (m_at + sizeof(T) <= m_end) std::memcpy(&value, m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }

    const BYTE* m_start;
    const BYTE* m_at;
    const BYTE* m_end;
};

struct ResourceData {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceData FindResourceData(HMODULE module, LPCWSTR type, int id, WORD language) {
    HRSRC resource = FindResourceExW(module, type, MAKEINTRESOURCEW(id), language);
    if (resource == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, resource)};
}

// The class names that a template may give by ordinal.
std::wstring ClassName(const std::wstring& nameOrOrdinal) {
    if (nameOrOrdinal == L"#128") return L"button";
    if (nameOrOrdinal == L"#129") return L"edit";
    if (nameOrOrdinal == L"#130") return L"static";
    std::wstring lower = nameOrOrdinal;
    for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
    return lower;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += "\\u" + std::to_string(static_cast<unsigned>(c));
        }
    }
    return out;
}

// Compares an extended dialog template with the row of the shared table.
void CheckDialogTemplate(Checker& check, HMODULE module, int id) {
    const DialogTemplate* expected = FindDialogTemplate(id);
    const ResourceData resource = FindResourceData(module, kDialogType, id, kChinesePrc);
    if (!check.True("the template is there, in Chinese (PRC)", resource.data != nullptr)) return;

    ResourceReader reader(resource.data, resource.size);
    check.Equal("version", reader.Word(), 1);
    check.Equal("signature of an extended template", reader.Word(), 0xFFFF);
    reader.Dword();  // help id
    check.Equal("extended style", reader.Dword(), expected->exStyle);
    check.Equal("style", reader.Dword(), expected->style);
    const WORD count = reader.Word();
    check.Equal("x", reader.Short(), expected->x);
    check.Equal("y", reader.Short(), expected->y);
    check.Equal("width", reader.Short(), expected->width);
    check.Equal("height", reader.Short(), expected->height);
    check.Equal("menu", Narrow(reader.StringOrOrdinal()), "");
    check.Equal("class", Narrow(reader.StringOrOrdinal()), "");
    check.True("caption", reader.String() == Wide(expected->caption));
    check.Equal("font size", reader.Word(), expected->pointSize);
    reader.Word();  // weight
    reader.Byte();  // italic
    reader.Byte();  // character set
    check.True("font face", reader.String() == Wide(expected->face));

    if (!check.Equal("number of controls", count,
                     static_cast<long long>(expected->controls.size()))) {
        return;
    }
    for (const ControlTemplate& control : expected->controls) {
        const std::string row =
            "control " + std::to_string(control.id) + " \"" + control.text + "\" ";
        reader.AlignToDword();
        reader.Dword();  // help id
        check.Equal(row + "extended style", reader.Dword(), 0);
        check.Equal(row + "style", reader.Dword(), WS_CHILD | WS_VISIBLE | control.style);
        check.Equal(row + "x", reader.Short(), control.x);
        check.Equal(row + "y", reader.Short(), control.y);
        check.Equal(row + "width", reader.Short(), control.width);
        check.Equal(row + "height", reader.Short(), control.height);
        check.Equal(row + "id", reader.Dword(), static_cast<DWORD>(control.id));
        check.True(row + "class",
                   ClassName(reader.StringOrOrdinal()) == ClassName(Wide(control.className)));
        const std::wstring text = reader.StringOrOrdinal();
        if (control.iconId != 0) {
            check.True(row + "icon", text == L"#" + std::to_wstring(control.iconId));
        } else {
            check.True(row + "text", text == Wide(control.text));
        }
        reader.Skip(reader.Word());  // creation data
    }
    check.True("template read within its size", !reader.Overrun());
}

void CheckIconGroup(Checker& check, HMODULE module) {
    const ResourceData group = FindResourceData(module, kIconGroupType, IDR_MAINFRAME, kChinesePrc);
    if (!check.True("icon group 128 is there", group.data != nullptr)) return;
    ResourceReader reader(group.data, group.size);
    reader.Word();  // reserved
    check.Equal("resource type: icon", reader.Word(), 1);
    const WORD count = reader.Word();
    check.Equal("images", count, 2);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE width = reader.Byte();
        const BYTE height = reader.Byte();
        const BYTE colours = reader.Byte();
        reader.Byte();  // reserved
        reader.Word();  // planes
        const WORD bits = reader.Word();
        reader.Dword();  // size
        reader.Word();   // image id
        check.Equal("image square", width, height);
        check.True("16 colours", colours == 16 || bits == 4);
        sizes.push_back(width);
    }
    check.True("a 32x32 and a 16x16 image",
               sizes == std::vector<int>{32, 16} || sizes == std::vector<int>{16, 32});
}

std::wstring VersionText(const std::vector<BYTE>& version, const wchar_t* field) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + field;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(version.data(), key.c_str(), &value, &length) || value == nullptr) {
        return L"(missing)";
    }
    return std::wstring(static_cast<const wchar_t*>(value));
}

void CheckVersionRecord(Checker& check, const std::string& program) {
    const std::wstring path = Wide(program);
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    if (!check.True("version record is there", size > 0)) return;
    std::vector<BYTE> version(size);
    GetFileVersionInfoW(path.c_str(), 0, size, version.data());

    void* value = nullptr;
    UINT length = 0;
    if (check.True("fixed part", VerQueryValueW(version.data(), L"\\", &value, &length) != FALSE)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        check.Equal("file version 1.0", fixed->dwFileVersionMS, 0x00010000);
        check.Equal("file version .0.1", fixed->dwFileVersionLS, 0x00000001);
        check.Equal("product version 1.0", fixed->dwProductVersionMS, 0x00010000);
        check.Equal("product version .0.1", fixed->dwProductVersionLS, 0x00000001);
        check.Equal("for 32-bit Windows", fixed->dwFileOS, VOS__WINDOWS32);
        check.Equal("an application", fixed->dwFileType, VFT_APP);
    }
    if (check.True("translation", VerQueryValueW(version.data(), L"\\VarFileInfo\\Translation",
                                                 &value, &length) != FALSE)) {
        const auto* translation = static_cast<const WORD*>(value);
        check.Equal("language", translation[0], 0x0804);
        check.Equal("code page", translation[1], 0x04B0);
    }
    const struct {
        const wchar_t* field;
        const char* text;  // UTF-8
    } kFields[] = {
        {L"CompanyName", ""},
        {L"FileDescription", "Quorvane Microsoft 基础类应用程序"},
        {L"FileVersion", "1, 0, 0, 1"},
        {L"InternalName", "Quorvane"},
        {L"LegalCopyright", "版权所有 (C) 2026"},
        {L"LegalTrademarks", ""},
        {L"OriginalFilename", "Quorvane.EXE"},
        {L"ProductName", "Quorvane 应用程序"},
        {L"ProductVersion", "1, 0, 0, 1"},
    };
    for (const auto& field : kFields) {
        check.Equal(Narrow(field.field), Narrow(VersionText(version, field.field)),
                    Narrow(Wide(field.text)));
    }
}

}  // namespace

void RunResourceTests(TestContext& context) {
    Checker& check = context.check;
    const std::wstring path = Wide(context.program);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    check.Case("resources: the program file can be read");
    if (!check.True("loaded as data", module != nullptr)) return;

    check.Case("resources: main dialog template 102 is the shared table's");
    CheckDialogTemplate(check, module, IDD_QUORVANE_DIALOG);
    check.Case("resources: about box template 100 is the shared table's");
    CheckDialogTemplate(check, module, IDD_ABOUTBOX);

    check.Case("resources: string 101, the system-menu item");
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    check.True("text", length > 0 && std::wstring(text, static_cast<std::size_t>(length)) ==
                                         Wide(ResourceString(IDS_ABOUTBOX)));
    check.True("in Chinese (PRC)",
               FindResourceExW(module, kStringType, MAKEINTRESOURCEW(IDS_ABOUTBOX / 16 + 1),
                               kChinesePrc) != nullptr);

    check.Case("resources: icon group 128, 32x32 and 16x16 in 16 colours");
    CheckIconGroup(check, module);

    check.Case("resources: version record 1.0.0.1, Chinese (PRC), Unicode");
    CheckVersionRecord(check, context.program);

    FreeLibrary(module);
}
