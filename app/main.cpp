#include "app/Application.h"

int main(int, char**) {
    Application application;
    return application.run();
}
