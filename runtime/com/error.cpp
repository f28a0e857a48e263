#include "runtime/com/error.h"

namespace vorne::com {

BSTR MakeBstr(const std::wstring& s) {
    BSTR b = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    if (!b) throw ComError(E_OUTOFMEMORY);
    return b;
}

std::wstring FromBstr(BSTR b) {
    return b ? std::wstring(b, SysStringLen(b)) : std::wstring();
}

void Check(HRESULT hr) {
    if (SUCCEEDED(hr)) return;
    ComError e(hr);
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        BSTR source = nullptr, description = nullptr;
        info->GetSource(&source);
        info->GetDescription(&description);
        e.source = FromBstr(source);
        e.description = FromBstr(description);
        SysFreeString(source);
        SysFreeString(description);
        info->Release();
    }
    throw e;
}

HRESULT Report(const ComError& e, REFIID iid) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(e.source.c_str()));
        create->SetDescription(const_cast<LPOLESTR>(e.description.c_str()));
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return e.hr;
}

void Fill(EXCEPINFO* info, const ComError& e) {
    if (!info) return;
    ZeroMemory(info, sizeof(*info));
    info->scode = e.hr;
    info->bstrSource = SysAllocString(e.source.c_str());
    info->bstrDescription = SysAllocString(e.description.c_str());
}

}  // namespace vorne::com
