// Written anew by the build; this one serves a site run from the sources.
self.ZF_BUILD = 'dev';
