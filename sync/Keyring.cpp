#include "sync/Keyring.h"

#include <cstdlib>

#include <libsecret/secret.h>

#include "sync/SyncText.h"

namespace {

const SecretSchema* Schema()
{
    static const SecretSchema schema = {"io.github.dialstack.Dialstack.CardDAV", SECRET_SCHEMA_NONE,
        {
            {"url", SECRET_SCHEMA_ATTRIBUTE_STRING},
            {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
        },
        0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    return &schema;
}

}   // namespace

bool CKeyring::IsAvailable()
{
    const char* pszBus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return pszBus != nullptr && *pszBus != '\0';
}

bool CKeyring::Lookup(const std::string& strUrl, const std::string& strUser, std::string& strPassword)
{
    if (!IsAvailable())
        return false;
    GError* pError = nullptr;
    gchar* pszPassword = secret_password_lookup_sync(
        Schema(), nullptr, &pError, "url", strUrl.c_str(), "user", strUser.c_str(), nullptr);
    if (pError != nullptr)
        g_error_free(pError);
    if (pszPassword == nullptr)
        return false;
    strPassword = pszPassword;
    secret_password_free(pszPassword);
    return true;
}

bool CKeyring::Store(const std::string& strUrl, const std::string& strUser, const std::string& strPassword)
{
    if (!IsAvailable())
        return false;
    GError* pError = nullptr;
    // The name the desktop's password manager shows for it.
    const std::string label = CSyncText::Tr("Dialstack: %1 at %2", {strUser, strUrl});
    const gboolean bStored = secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(),
        strPassword.c_str(), nullptr, &pError, "url", strUrl.c_str(), "user", strUser.c_str(), nullptr);
    if (pError != nullptr)
        g_error_free(pError);
    return bStored != FALSE;
}
