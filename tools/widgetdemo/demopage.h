#pragma once

#include <QString>
#include <QWidget>
#include <functional>

// Each page file of the demo registers one page:
//   static DemoPage page("Dials", [] { return new MyPage; });
struct DemoPage {
    using Factory = std::function<QWidget*()>;
    DemoPage(const QString& title, Factory factory);
    static QList<QPair<QString, Factory>>& pages();
};
