// What the GM Helper's window tests share: each test in a campaign folder of its own, made the
// working folder, with the window over it; the table engine forgets the tables of the test before.
#pragma once

#include "Gui_Test.h"
#include "Test_Services.h"

#include "referee/Tables.h"
#include "shell/referee/GM_Helper_Dialog.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Vexlor::Test {

class TGM_Helper_Test_Base : public QObject {
  protected:
    std::unique_ptr<QTemporaryDir> Campaign;
    QString Previous_Folder;
    std::unique_ptr<TTest_Services> Services;
    std::unique_ptr<TGM_Helper_Form> Form;

    template <class T> T* Control(const char* name) { return Find<T>(Form.get(), name); }
    QString Path(const char* name) const { return Campaign->filePath(QString::fromLatin1(name)); }

    // The window over a campaign whose table file holds tables, with the starter catalogue when
    // asked for.
    void Open_Campaign(const QByteArray& tables, bool starter_catalogue) {
        Campaign = std::make_unique<QTemporaryDir>();
        QVERIFY(Campaign->isValid());
        Previous_Folder = QDir::currentPath();
        QFile file(Path("TABLES.TXT"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(tables), tables.size());
        file.close();
        QVERIFY(QDir::setCurrent(Campaign->path()));
        Master_Table.Done();
        Services = std::make_unique<TTest_Services>();
        if (starter_catalogue)
            Services->Catalogues.Load_Starter();
        Form = std::make_unique<TGM_Helper_Form>(Services->Get());
    }

    void Close_Campaign() {
        Form.reset();
        Services.reset();
        Master_Table.Done();
        QDir::setCurrent(Previous_Folder);
        Campaign.reset();
    }
};

} // namespace Vexlor::Test
