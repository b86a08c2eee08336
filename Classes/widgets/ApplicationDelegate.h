#pragma once

// What the application tells its delegate about its life. Only the launch is required.
class ApplicationDelegate
{
public:
    virtual ~ApplicationDelegate() = default;

    // Prepares everything and shows the window; false when the app cannot work (it then shows
    // why and ends with a failure status once the user has read it).
    virtual bool didFinishLaunchingWithOptions() = 0;

    virtual void applicationWillResignActive() { }
    virtual void applicationDidEnterBackground() { }
    virtual void applicationWillEnterForeground() { }
    virtual void applicationDidBecomeActive() { }
    virtual void applicationWillTerminate() { }
};
