#include <gtest/gtest.h>

#include <QCoreApplication>

// The serial-port adapter lives on Qt's event machinery, as in the editor.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
