#include "window/QuorvaneDlg.h"

#include <variant>

#include "resource.h"
#include "window/HelpText.h"

namespace quorvane::window {

namespace {

constexpr std::string_view kSampleExpression =
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6";

}  // namespace

// The tables name the private members, so they live in a member of the class.
struct CQuorvaneDlg::Tables {
    // The dialog's data exchange: which control each member mirrors, in order.
    struct TextExchange {
        int controlId;
        std::string CQuorvaneDlg::*member;
    };
    struct CheckExchange {
        int controlId;
        bool CQuorvaneDlg::*member;
    };

    static constexpr TextExchange kTextExchange[] = {
        {IDC_EXPRESSION, &CQuorvaneDlg::m_strExpression},
        {IDC_RESULT, &CQuorvaneDlg::m_strResult},
        {IDC_INPUT_FILE, &CQuorvaneDlg::m_strInputFile},
        {IDC_OUTPUT_FILE, &CQuorvaneDlg::m_strOutputFile},
    };
    static constexpr CheckExchange kCheckExchange[] = {
        {IDC_INPUT_FROM, &CQuorvaneDlg::m_bInputFrom},
        {IDC_OUTPUT_TO, &CQuorvaneDlg::m_bOutputTo},
    };

    // The message map: a notification from a run of control ids goes to a
    // handler; a handler for a run of several ids is told which one sent it.
    using Handler = void (CQuorvaneDlg::*)();
    using RangeHandler = void (CQuorvaneDlg::*)(int);

    struct MessageMapEntry {
        int notification;
        int firstId;
        int lastId;
        std::variant<Handler, RangeHandler> handler;
    };

    static inline const MessageMapEntry kMessageMap[] = {
        {kButtonClicked, IDOK, IDOK, &CQuorvaneDlg::OnOK},
        {kButtonClicked, IDCANCEL, IDCANCEL, &CQuorvaneDlg::OnCancel},
        {kButtonClicked, IDC_HELP_BUTTON, IDC_HELP_BUTTON, &CQuorvaneDlg::OnHelpButton},
        {kButtonClicked, IDC_BROWSE_INPUT, IDC_BROWSE_INPUT, &CQuorvaneDlg::OnBrowseInput},
        {kButtonClicked, IDC_BROWSE_OUTPUT, IDC_BROWSE_OUTPUT, &CQuorvaneDlg::OnBrowseOutput},
        {kButtonClicked, IDC_INPUT_FROM, IDC_INPUT_FROM, &CQuorvaneDlg::OnInputFrom},
        {kButtonClicked, IDC_OUTPUT_TO, IDC_OUTPUT_TO, &CQuorvaneDlg::OnOutputTo},
        {kButtonClicked, IDC_KEY_BACKSPACE, IDC_KEY_CLOSE_PAREN, &CQuorvaneDlg::OnKeypad},
        {kButtonClicked, IDC_KEY_ASIN, IDC_KEY_SIN, &CQuorvaneDlg::OnKeypad},
    };
};

CQuorvaneDlg::CQuorvaneDlg(DialogWindow& window)
    : m_hIcon(window.LoadAppIcon()), m_window(window), m_editExpression(window, IDC_EXPRESSION) {}

void CQuorvaneDlg::UpdateData(bool saveAndValidate) {
    for (const Tables::TextExchange& exchange : Tables::kTextExchange) {
        std::string& member = this->*exchange.member;
        if (saveAndValidate) {
            member = m_window.ControlText(exchange.controlId);
        } else {
            m_window.SetControlText(exchange.controlId, member);
        }
    }
    for (const Tables::CheckExchange& exchange : Tables::kCheckExchange) {
        bool& member = this->*exchange.member;
        if (saveAndValidate) {
            member = m_window.IsChecked(exchange.controlId);
        } else {
            m_window.SetChecked(exchange.controlId, member);
        }
    }
}

bool CQuorvaneDlg::OnInitDialog() {
    // The dialog's own start: the controls take the members' initial values.
    UpdateData(false);

    if (m_window.HasSystemMenu()) {
        const std::string aboutItem = m_window.LoadResourceString(IDS_ABOUTBOX);
        if (!aboutItem.empty()) m_window.AppendSystemMenuItem(IDM_ABOUTBOX, aboutItem);
    }

    m_window.SetIcon(m_hIcon, IconSize::Big);
    m_window.SetIcon(m_hIcon, IconSize::Small);

    UpdateData(true);
    m_strExpression = kSampleExpression;
    UpdateData(false);

    OnInputFrom();
    OnOutputTo();
    OnOK();
    return true;  // the first tab stop, the expression box, gets the focus
}

void CQuorvaneDlg::OnCommand(int notification, int controlId) {
    for (const Tables::MessageMapEntry& entry : Tables::kMessageMap) {
        if (entry.notification != notification || controlId < entry.firstId ||
            controlId > entry.lastId) {
            continue;
        }
        if (const Tables::Handler* handler = std::get_if<Tables::Handler>(&entry.handler)) {
            (this->**handler)();
        } else {
            (this->*std::get<Tables::RangeHandler>(entry.handler))(controlId);
        }
        return;
    }
}

void CQuorvaneDlg::OnSysCommand(unsigned commandId, std::intptr_t /*param*/) {
    // Every other command is the window's default processing.
    if ((commandId & 0xFFF0u) == IDM_ABOUTBOX) m_window.ShowAboutBox();
}

void CQuorvaneDlg::OnCancel() { m_window.EndDialog(IDCANCEL); }

void CQuorvaneDlg::OnHelpButton() { m_window.ShowMessage(HelpText()); }

}  // namespace quorvane::window
