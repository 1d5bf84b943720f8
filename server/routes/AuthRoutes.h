#pragma once

class Router;

// The sign-in endpoints under "/api/auth/".
void addAuthRoutes(Router& router);
