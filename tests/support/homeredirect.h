#ifndef HOMEREDIRECT_H
#define HOMEREDIRECT_H

#include <QByteArray>
#include <QString>

// The user's home for one test, so that the documents folder is <folder>/Documents (and no
// user-dirs file of the real user names another one). The environment is put back at the end.
class HomeRedirect
{
public:
    explicit HomeRedirect(const QString &folder);
    ~HomeRedirect();
    HomeRedirect(const HomeRedirect &) = delete;
    HomeRedirect &operator=(const HomeRedirect &) = delete;

private:
    QByteArray m_home;
    QByteArray m_config;
};

#endif // HOMEREDIRECT_H
