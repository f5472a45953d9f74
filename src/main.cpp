#include "app/CSkarnholtDBApp.h"

int main(int argc, char* argv[]) {
    CSkarnholtDBApp app(argc, argv);
    return app.Run();
}
