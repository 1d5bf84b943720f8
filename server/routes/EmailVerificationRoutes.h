#pragma once

class Router;
struct AccountServices;

// "GET /api/auth/verify-email?token=…": the page the verification link opens.
void addEmailVerificationRoutes(Router& router, AccountServices& services);
